// Code 93 in full ASCII: every byte 0 to 127 as one or two code values, two
// check characters, start and stop. Control characters take two HRI cells.
#include "linear/bar_row.h"
#include "linear/code93.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

int code93CheckValue(const uint8_t *values, int count, int maxWeight) {
    int sum = 0;
    for (int k = 0; k < count; ++k) sum += values[k] * ((count - 1 - k) % maxWeight + 1);
    return sum % 47;
}

int code93Values(const uint8_t *data, int32_t length, uint8_t values[kCode93MaxValues],
                 int32_t &hriCells) {
    int count = 0;
    hriCells = 0;
    if (length < 1 || length > 255) return -18;  // the dispatcher's job
    for (int32_t i = 0; i < length; ++i) {
        if (data[i] > 127) return -28;
        const Code93Ascii &entry = kCode93FullAscii[data[i]];
        for (int v = 0; v < entry.count; ++v) values[count++] = entry.values[v];
        hriCells += data[i] < 32 || data[i] == 127 ? 2 : 1;
    }
    values[count] = static_cast<uint8_t>(code93CheckValue(values, count, 20));
    ++count;
    values[count] = static_cast<uint8_t>(code93CheckValue(values, count, 15));
    ++count;
    return count;
}

int32_t measureCode93(const uint8_t *data, int32_t length, int32_t hriPosition,
                      int32_t charWidth, int32_t measure) {
    // A 255-byte datum can expand to 510 code values, 512 with the checks.
    uint8_t values[kCode93MaxValues];
    int32_t hriCells = 0;
    const int count = code93Values(data, length, values, hriCells);
    if (count < 0) return count;
    appendModules(kCode93Start, 9);
    for (int k = 0; k < count; ++k) appendModules(kCode93Patterns[values[k]], 9);
    appendModules(kCode93Stop, 10);
    return finishLinear(hriCells + 2, 0, 0, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
