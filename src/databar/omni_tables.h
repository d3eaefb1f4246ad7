// Fixed tables of the DataBar Omnidirectional family.
#pragma once

#include <cstdint>

namespace barsize::databar {

// A character group: values below `size` once the earlier groups' sizes are
// taken off. The quotient set comes from value / divisor, the remainder set
// from value % divisor.
struct CharacterGroup {
    int32_t size;
    int32_t quotientModules, quotientWidest;
    int32_t remainderModules, remainderWidest;
    int32_t divisor;
};

extern const CharacterGroup kOuterGroups[5];  // values 0 to 2840
extern const CharacterGroup kInnerGroups[4];  // values 0 to 1596

// The nine finder patterns by value: their first three widths, space first
// (the last two are always 1, 1).
extern const uint8_t kOmniFinders[9][3];

}  // namespace barsize::databar
