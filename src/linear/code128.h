// Code 128 code values of a datum, for the encoder and its tests.
#pragma once

#include <cstdint>

#include "linear/code128_sets.h"

namespace barsize::linear {

// Start value, one value per data character or escape, and the check: the
// data after the two-byte start selector is at most 253 bytes.
constexpr int kCode128MaxValues = 256;

struct Code128Values {
    uint8_t values[kCode128MaxValues];
    int count;         // values held, start and check included
    int32_t hriCells;  // HRI character cells
    // On failure, for messages: the byte at fault, whether it followed '{',
    // and the set in effect there.
    int32_t failedAt;
    bool failedInEscape;
    Code128Set failedSet;
};

// Translates the data (start selector, characters, escapes) into code values
// with the check character; 0, or -29 for a byte above 127, or -39 for a bad
// start selector, escape or character.
int32_t code128Values(const uint8_t *data, int32_t length, Code128Values &out);

}  // namespace barsize::linear
