// Code 39: start '*', the data characters, stop '*'; no check character.
#include "linear/bar_row.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

namespace {

// Index of the byte in the 43-character set, or -1.
int code39Index(uint8_t byte) { return kCode39Index.position[byte]; }

}  // namespace

int32_t measureCode39(const uint8_t *data, int32_t length, int32_t hriPosition,
                      int32_t charWidth, int32_t measure) {
    for (int32_t i = 0; i < length; ++i)
        if (code39Index(data[i]) < 0) return -25;
    appendElements(kCode39StartStop, 10);
    for (int32_t i = 0; i < length; ++i) appendElements(kCode39Patterns[code39Index(data[i])], 10);
    appendElements(kCode39StartStop, 9);
    return finishLinear(length + 2, 0, 0, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
