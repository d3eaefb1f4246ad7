// Mask pattern 000, the format information and the one-bit raster.
#include <cstring>

#include "qrcode/finish.h"

namespace barsize::qrcode {

namespace {

constexpr uint8_t kLevelBits[4] = {0x1, 0x0, 0x3, 0x2};  // L M Q H
constexpr uint16_t kFormatMask[2] = {0x2825, 0x5412};     // Model 1, Model 2

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
    std::memset(qrState.rasterBuffer, 0, sizeof qrState.rasterBuffer);
    for (int r = 0; r < n; ++r) {
        uint8_t *out = qrState.rasterBuffer[r + 1];
        for (int c = 0; c < n; ++c)
            if (planeBit(qrState.symbolPlane, r, c))
                out[c >> 3] = static_cast<uint8_t>(out[c >> 3] | (0x80u >> (c & 7)));
    }
    if (n > 0) std::memcpy(qrState.rasterBuffer[0], qrState.rasterBuffer[n], kRasterRowBytes);
}

}  // namespace barsize::qrcode
