// The 42 element widths every Omnidirectional-family symbol is cut from.
#pragma once

#include <cstdint>

namespace barsize::databar {

constexpr int32_t kOmniElementCount = 42;

// Widths in modules, light first: left outer character (0-7), left finder
// (8-12), left inner character right to left (13-20), right inner character
// (21-28), right finder reversed (29-33), right outer character right to
// left (34-41).
struct OmniElements {
    uint8_t widths[kOmniElementCount];
};

// Encodes a terminated string of at most 13 digits (right-aligned with
// leading zeros; linkage digit 0). Never fails.
OmniElements encodeOmniElements(const char *digits);

// The checksum (mod 79) and the check value it gives (0 to 80, never 8 or 72).
int32_t omniChecksum(const OmniElements &elements);
int32_t omniCheckValue(int32_t checksum);

}  // namespace barsize::databar
