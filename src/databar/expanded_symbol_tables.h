// Tables of the Expanded symbol: character groups, finder patterns, finder
// sequences and checksum weights.
#pragma once

#include <cstdint>

namespace barsize::databar {

// One group of Expanded character values: the values in the group, the two
// element sets (modules, widest element) and the divisor between them.
struct ExpandedGroup {
    int32_t size;
    int32_t firstModules, firstWidest;
    int32_t secondModules, secondWidest;
    int32_t divisor;
};

inline constexpr ExpandedGroup kExpandedGroups[5] = {
    {348, 12, 7, 5, 2, 4},     {1040, 10, 5, 7, 4, 20},   {1560, 8, 4, 9, 5, 52},
    {1040, 6, 3, 11, 6, 104},  {204, 4, 1, 13, 8, 204},
};

// Finder patterns A to F, their first three widths (the last two are 1 1),
// starting with a space.
inline constexpr uint8_t kExpandedFinders[6][3] = {
    {1, 8, 4}, {3, 6, 4}, {3, 4, 6}, {3, 2, 8}, {2, 6, 5}, {2, 2, 9},
};

// Finder sequences by pair count (row = pairs - 2): +n finder n (1 = A)
// forward, -n reversed.
inline constexpr int8_t kExpandedFinderSequences[10][11] = {
    {1, -1},
    {1, -2, 2},
    {1, -3, 2, -4},
    {1, -5, 2, -4, 3},
    {1, -5, 2, -4, 4, -6},
    {1, -5, 2, -4, 5, -6, 6},
    {1, -1, 2, -2, 3, -3, 4, -4},
    {1, -1, 2, -2, 3, -3, 4, -5, 5},
    {1, -1, 2, -2, 3, -3, 4, -5, 6, -6},
    {1, -1, 2, -2, 3, -4, 4, -5, 5, -6, 6},
};

// Checksum weight of the first element of the left and of the right
// character of a pair, by its finder: [finder - 1][reversed][side].
inline constexpr int32_t kExpandedChecksumWeights[6][2][2] = {
    {{0, 1}, {20, 189}},     {{193, 62}, {185, 113}}, {{150, 46}, {76, 43}},
    {{16, 109}, {70, 134}},  {{148, 6}, {120, 79}},   {{103, 161}, {55, 45}},
};

constexpr int32_t kExpandedChecksumModulus = 211;

}  // namespace barsize::databar
