#include "databar/omni_tables.h"

namespace barsize::databar {

const CharacterGroup kOuterGroups[5] = {
    {161, 12, 8, 4, 1, 1},
    {800, 10, 6, 6, 3, 10},
    {1054, 8, 4, 8, 5, 34},
    {700, 6, 3, 10, 6, 70},
    {126, 4, 1, 12, 8, 126},
};

const CharacterGroup kInnerGroups[4] = {
    {336, 10, 7, 5, 2, 4},
    {700, 8, 5, 7, 4, 20},
    {480, 6, 3, 9, 6, 48},
    {81, 4, 1, 11, 8, 81},
};

const uint8_t kOmniFinders[9][3] = {
    {3, 8, 2}, {3, 5, 5}, {3, 3, 7}, {3, 1, 9}, {2, 7, 4},
    {2, 5, 6}, {2, 3, 8}, {1, 5, 7}, {1, 3, 9},
};

}  // namespace barsize::databar
