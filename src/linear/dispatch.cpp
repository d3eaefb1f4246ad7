#include "databar/databar.h"
#include "linear/bar_row.h"
#include "linear/linear.h"
#include "linear/linear_limits.h"

namespace barsize::linear {

namespace {

using Encoder = int32_t (*)(const uint8_t *, int32_t, int32_t, int32_t, int32_t);

constexpr Encoder kEncoders[9] = {measureUpcA,    measureUpcE,   measureEan13,
                                  measureEan8,    measureCode39, measureItf,
                                  measureCodabar, measureCode93, measureCode128};

// HRI character width codes 0, 1, 2 in dots.
constexpr int32_t kHriCharWidths[3] = {12, 9, 8};

}  // namespace

int32_t checkDataLength(uint32_t symbology, int32_t length) {
    if (symbology > 8) return -10;
    if (symbology == 5 && (length & 1) != 0) return -16;
    const LinearLimit &limit = kLinearLimits[symbology];
    if (length < limit.minimum || length > limit.maximum)
        return -11 - static_cast<int32_t>(symbology);
    return 0;
}

int32_t measureLinear(const uint8_t *data, int32_t length, int32_t symbology,
                      int32_t moduleWidth, int32_t hriPosition, int32_t hriCharWidth,
                      int32_t measure) {
    if (symbology >= 75 && symbology <= 78)
        return databar::measureLinearDataBar(data, length, symbology, moduleWidth, hriPosition,
                                             hriCharWidth, measure);
    const uint32_t w = static_cast<uint32_t>(moduleWidth);
    if (w < 2 || w > 6) return -3;
    if (static_cast<uint32_t>(hriPosition) > 3) return -4;
    uint32_t charWidth = static_cast<uint32_t>(hriCharWidth);
    if (charWidth <= 2)
        charWidth = static_cast<uint32_t>(kHriCharWidths[charWidth]);
    else if (charWidth < 6 || charWidth > 32)
        return -5;
    if (static_cast<uint32_t>(measure) > 2) return -6;
    if (hriPosition == 0 && measure == 2) return 0;
    const int32_t lengthStatus = checkDataLength(static_cast<uint32_t>(symbology), length);
    if (lengthStatus != 0) return lengthStatus;
    resetBarRow(moduleWidth);
    return kEncoders[symbology](data, length, hriPosition, static_cast<int32_t>(charWidth),
                                measure);
}

}  // namespace barsize::linear
