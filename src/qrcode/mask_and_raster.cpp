// Mask pattern 000, the format information and the one-bit raster.
#include <cstring>

#include "qrcode/finish.h"

namespace barsize::qrcode {

namespace {

constexpr uint8_t kLevelBits[4] = {0x1, 0x0, 0x3, 0x2};  // L M Q H
constexpr uint16_t kFormatMask[2] = {0x2825, 0x5412};     // Model 1, Model 2

// Each byte value with its bits in the opposite order.
struct ReversedBits {
    uint8_t value[256];
};

constexpr ReversedBits makeReversedBits() {
    ReversedBits t{};
    for (unsigned x = 0; x < 256; ++x) {
        unsigned r = 0;
        for (int i = 0; i < 8; ++i) r |= ((x >> i) & 1u) << (7 - i);
        t.value[x] = static_cast<uint8_t>(r);
    }
    return t;
}

constexpr ReversedBits kReversed = makeReversedBits();
constexpr const uint8_t *kReversedBits = kReversed.value;

void setModule(int row, int column, bool dark) {
    if (dark) setPlaneBit(qrState.darkPlane, row, column);
    else clearPlaneBit(qrState.darkPlane, row, column);
}

}  // namespace

uint16_t formatWord(QrModel model, int level, int mask) {
    const unsigned data = (kLevelBits[level] << 3) | static_cast<unsigned>(mask);
    unsigned remainder = data;
    for (int i = 0; i < 10; ++i) {
        remainder <<= 1;
        if (remainder & 0x400) remainder ^= 0x537;
    }
    return static_cast<uint16_t>(((data << 10) | remainder) ^ kFormatMask[model]);
}

void writeFormatInformation(int mask) {
    const int n = qrState.moduleCount;
    const uint16_t word = formatWord(qrState.model, qrState.level, mask);
    for (int i = 0; i < 15; ++i) {
        const bool dark = (word >> i) & 1;
        if (i <= 5) setModule(i, 8, dark);
        else if (i <= 7) setModule(i + 1, 8, dark);
        else if (i == 8) setModule(8, 7, dark);
        else setModule(8, 14 - i, dark);
        if (i <= 7) setModule(8, n - 1 - i, dark);
        else setModule(n - 15 + i, 8, dark);
    }
}

void applyMask() {
    writeFormatInformation(0);
    const int n = qrState.moduleCount;
    const int rowBytes = (n + 7) / 8;
    for (int r = 0; r < n; ++r) {
        const uint8_t pattern = (r % 2 == 0) ? 0x55 : 0xAA;
        for (int b = 0; b < rowBytes; ++b)
            qrState.symbolPlane[r][b] = static_cast<uint8_t>(
                (pattern & qrState.dataAreaPlane[r][b]) ^ qrState.darkPlane[r][b]);
    }
}

void packRaster() {
    const int n = qrState.moduleCount;
    // The scratch row and one row per module row; the rows below are no part
    // of this symbol.
    std::memset(qrState.rasterBuffer, 0, static_cast<size_t>(n + 1) * kRasterRowBytes);
    // Plane bytes hold the leftmost module in bit 0, raster bytes in bit 7.
    const int rowBytes = (n + 7) / 8;
    const uint8_t lastMask = n % 8 == 0 ? 0xFF : static_cast<uint8_t>(0xFF00u >> (n % 8));
    for (int r = 0; r < n; ++r) {
        uint8_t *out = qrState.rasterBuffer[r + 1];
        for (int b = 0; b < rowBytes; ++b) out[b] = kReversedBits[qrState.symbolPlane[r][b]];
        out[rowBytes - 1] = static_cast<uint8_t>(out[rowBytes - 1] & lastMask);
    }
    if (n > 0) std::memcpy(qrState.rasterBuffer[0], qrState.rasterBuffer[n], kRasterRowBytes);
}

}  // namespace barsize::qrcode
