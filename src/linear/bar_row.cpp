#include "linear/bar_row.h"

#include <cstring>

namespace barsize::linear {

BarRow barRow;

namespace {

// Advances the row by width dots, painting them when bar is set. Dots past
// the image are counted but not painted.
void advance(int32_t width, bool bar) {
    if (bar) {
        const int32_t end = barRow.position + width < kBarRowMaxDots ? barRow.position + width
                                                                     : kBarRowMaxDots;
        for (int32_t x = barRow.position; x < end; ++x)
            barRow.bits[x >> 3] = static_cast<uint8_t>(barRow.bits[x >> 3] | (0x80u >> (x & 7)));
    }
    barRow.position += width;
}

int32_t elementWidth(bool wide) { return wide ? wideWidth(barRow.moduleWidth) : barRow.moduleWidth; }

}  // namespace

void resetBarRow(int32_t moduleWidth) {
    // Clear only what the previous symbol painted.
    int32_t used = (barRow.position + 7) / 8;
    if (used < 0 || used > static_cast<int32_t>(sizeof barRow.bits)) used = sizeof barRow.bits;
    std::memset(barRow.bits, 0, static_cast<size_t>(used));
    barRow.moduleWidth = moduleWidth;
    barRow.position = 0;
}

int32_t appendElements(uint16_t pattern, int n) {
    for (int i = 0; i < n && i < 16; ++i)
        advance(elementWidth(((pattern >> (15 - i)) & 1) != 0), (i & 1) == 0);
    return barRow.position;
}

int32_t appendModules(uint16_t pattern, int n) {
    for (int i = 0; i < n && i < 16; ++i)
        advance(barRow.moduleWidth, ((pattern >> (15 - i)) & 1) != 0);
    return barRow.position;
}

int32_t appendDigitPair(uint8_t first, uint8_t second) {
    for (int k = 0; k < 5; ++k) {
        advance(elementWidth(((first >> (7 - k)) & 1) != 0), true);
        advance(elementWidth(((second >> (7 - k)) & 1) != 0), false);
    }
    return barRow.position;
}

}  // namespace barsize::linear
