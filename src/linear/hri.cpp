#include "linear/hri.h"

#include "linear/bar_row.h"

namespace barsize::linear {

int32_t hriExtent(int32_t cells, int32_t leftModules, int32_t rightModules, int32_t charWidth,
                  int32_t moduleWidth, int32_t barWidth) {
    if (cells <= 0) return 0;
    const int32_t pitch =
        (barWidth - moduleWidth * leftModules - moduleWidth * rightModules) / cells;
    return moduleWidth * leftModules + (cells - 1) * pitch + pitch / 2 + charWidth;
}

int32_t finishLinear(int32_t cells, int32_t leftModules, int32_t rightModules,
                     int32_t hriPosition, int32_t charWidth, int32_t measure) {
    const int32_t bars = barRow.position;
    int32_t text = 0;
    if (hriPosition != 0 && (measure == 0 || measure == 2))
        text = hriExtent(cells, leftModules, rightModules, charWidth, barRow.moduleWidth, bars);
    if (measure == 1) return bars;
    if (measure == 2) return text;
    return text > bars ? text : bars;
}

}  // namespace barsize::linear
