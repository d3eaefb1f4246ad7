// Accepted data lengths of the linear symbologies 0 to 8.
#pragma once

#include <cstdint>

namespace barsize::linear {

struct LinearLimit {
    int32_t minimum;
    int32_t maximum;
};

// Indexed by symbology code 0 to 8, inclusive bounds in bytes.
constexpr LinearLimit kLinearLimits[9] = {
    {11, 12},  // UPC-A
    {11, 12},  // UPC-E
    {12, 13},  // EAN-13
    {7, 8},    // EAN-8
    {1, 255},  // Code 39
    {2, 255},  // ITF (and even)
    {1, 255},  // Codabar
    {1, 255},  // Code 93
    {2, 255},  // Code 128
};

// 0, or the negative length status of the symbology.
int32_t checkDataLength(uint32_t symbology, int32_t length);

}  // namespace barsize::linear
