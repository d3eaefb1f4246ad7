// Tables of DataBar Limited.
#pragma once

#include <cstdint>

namespace barsize::databar {

// One group of Limited character values: the values in the group, the two
// element sets (modules, widest element) and the divisor between them.
struct LimitedGroup {
    int32_t size;
    int32_t firstModules, firstWidest;
    int32_t secondModules, secondWidest;
    int32_t divisor;
};

inline constexpr LimitedGroup kLimitedGroups[7] = {
    {183064, 17, 6, 9, 3, 28},    {637000, 13, 5, 13, 4, 728}, {180712, 9, 3, 17, 6, 6454},
    {490245, 15, 5, 11, 4, 203},  {488824, 11, 4, 15, 5, 2408}, {17094, 19, 8, 7, 1, 1},
    {16632, 7, 1, 19, 8, 16632},
};

constexpr uint32_t kLimitedCharacterValues = 2013571;  // values of one character
constexpr uint64_t kLimitedLargestValue = 1999999999999ull;
constexpr int32_t kLimitedChecksumModulus = 89;

// Check characters by checksum, 14 widths each, a space first.
extern const uint8_t kLimitedCheckPatterns[89][14];

}  // namespace barsize::databar
