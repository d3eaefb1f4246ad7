// Codabar: the data carries its own start and stop letters (A to D); no
// check character.
#include "linear/bar_row.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

namespace {

// Index of the byte in the 20-character set, or -1.
int codabarIndex(uint8_t byte) { return kCodabarIndex.position[byte]; }

bool isStartStop(uint8_t byte) { return byte >= 'A' && byte <= 'D'; }

}  // namespace

int32_t measureCodabar(const uint8_t *data, int32_t length, int32_t hriPosition,
                       int32_t charWidth, int32_t measure) {
    if (length < 1) return -17;  // the dispatcher's job
    for (int32_t i = 0; i < length; ++i)
        if (codabarIndex(data[i]) < 0) return -27;
    if (!isStartStop(data[0]) || !isStartStop(data[length - 1])) return -37;
    for (int32_t i = 0; i < length; ++i) {
        // Seven elements, then a narrow gap (a zero bit) unless it is the last.
        appendElements(kCodabarPatterns[codabarIndex(data[i])], i + 1 < length ? 8 : 7);
    }
    return finishLinear(length, 0, 0, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
