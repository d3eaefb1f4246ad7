// The bar row: linear encoders append bars and spaces left to right; the row
// counts the width in dots and paints the bars into a one-row bit image.
#pragma once

#include <cstdint>

namespace barsize::linear {

// Widest row painted: 255 Code 128 characters with a code-set change before
// each, at 6 dots per module, stay well inside this.
constexpr int32_t kBarRowMaxDots = 65536;

struct BarRow {
    int32_t moduleWidth;  // narrow element / module width in dots
    int32_t position;     // dots appended so far
    uint8_t bits[kBarRowMaxDots / 8];  // 1 = bar, most significant bit leftmost
};

// The one row of the process; reset by the dispatcher before every encoder.
extern BarRow barRow;

void resetBarRow(int32_t moduleWidth);

// Wide element: 2.5 modules rounded half up.
inline int32_t wideWidth(int32_t moduleWidth) { return (5 * moduleWidth + 1) / 2; }

// n elements (n <= 16), wide where the pattern bit is 1 (bit 15 first);
// even elements are bars, odd ones spaces.
int32_t appendElements(uint16_t pattern, int n);

// n modules (n <= 16) of one module width each, a bar where the pattern bit
// is 1 (bit 15 first).
int32_t appendModules(uint16_t pattern, int n);

// The same from an 8-bit pattern word (bit 7 first, n <= 8).
inline int32_t appendModules8(uint8_t pattern, int n) {
    return appendModules(static_cast<uint16_t>(pattern << 8), n);
}

// ITF: five bars from the first digit's pattern interleaved with five spaces
// from the second's (bits 7 to 3, wide where 1).
int32_t appendDigitPair(uint8_t first, uint8_t second);

// Whether the dot at x (0-based) is painted as a bar.
inline bool barRowDot(const BarRow &row, int32_t x) {
    return x >= 0 && x < row.position && x < kBarRowMaxDots &&
           ((row.bits[x >> 3] >> (7 - (x & 7))) & 1) != 0;
}

}  // namespace barsize::linear
