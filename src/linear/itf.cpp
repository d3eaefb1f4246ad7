// Interleaved 2 of 5: digit pairs, the first in the bars and the second in
// the spaces, between the start and stop runs; no check digit.
#include "linear/bar_row.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

int32_t measureItf(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth,
                   int32_t measure) {
    for (int32_t i = 0; i < length; ++i)
        if (data[i] < '0' || data[i] > '9') return -26;
    appendElements(kItfStart, 4);
    for (int32_t i = 0; i + 1 < length; i += 2)
        appendDigitPair(kItfPatterns[data[i] - '0'], kItfPatterns[data[i + 1] - '0']);
    appendElements(kItfStop, 3);
    return finishLinear(length, 4, 4, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
