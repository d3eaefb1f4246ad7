// The PDF417 symbol character patterns (data only).
#pragma once

#include <cstdint>

namespace barsize::pdf417 {

// kCodewordPatterns[cluster / 3][codeword]: modules 2 to 17 of the character,
// most significant bit first, 1 = bar (module 1 is always a bar).
extern const uint16_t kCodewordPatterns[3][929];

}  // namespace barsize::pdf417
