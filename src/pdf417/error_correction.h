// Error-correction level choice and Reed-Solomon codewords over GF(929).
#pragma once

#include <cstdint>

#include "pdf417/records.h"

namespace barsize::pdf417 {

constexpr int kMaxLevel = 8;

// Error-correction codewords of a level: 2^(level + 1).
inline uint16_t ecCodewordCount(uint16_t level) { return static_cast<uint16_t>(2u << level); }

// The level that fixes the data capacity of a symbol of `total` codewords.
uint16_t capacityLevel(const Pdf417Settings &settings, uint16_t total);

// The level of the finished symbol for `dataCount` data codewords
// (descriptor included, no pads).
uint16_t symbolLevel(const Pdf417Settings &settings, uint16_t dataCount);

// Ratio mode: raises `level` while the pads pay for the extra codewords.
void raiseLevel(const Pdf417Settings &settings, uint16_t &level, uint16_t &pads);

// Writes the level's error-correction codewords after the first itemCount
// entries of items (which must have room for them).
void appendEcCodewords(uint16_t *items, uint16_t itemCount, uint16_t level);

// Coefficient j of the generator polynomial of a level (the leading 1 left out).
uint16_t generatorCoefficient(uint16_t level, uint16_t j);

}  // namespace barsize::pdf417
