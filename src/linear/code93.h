// Code 93 code values of a datum, for the encoder and its tests.
#pragma once

#include <cstdint>

namespace barsize::linear {

// 255 bytes of two code values each, and the two check characters.
constexpr int kCode93MaxValues = 2 * 255 + 2;

// Check character over count values: weights 1 to maxWeight from the right,
// cycling (20 for C, 15 for K).
int code93CheckValue(const uint8_t *values, int count, int maxWeight);

// The code values of the data (1 to 255 bytes) followed by the checks C and
// K; returns their number, -28 for a byte above 127 (-18 for a bad length).
// hriCells: one per byte, two per control character.
int code93Values(const uint8_t *data, int32_t length, uint8_t values[kCode93MaxValues],
                 int32_t &hriCells);

}  // namespace barsize::linear
