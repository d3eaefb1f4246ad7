// Width of the human-readable text and the rule that turns bar width and
// text width into the one number a linear measurement returns.
#pragma once

#include <cstdint>

namespace barsize::linear {

// Where the last of `cells` HRI characters ends, from the left edge of the
// bars: the bar pattern without its first `leftModules` and last
// `rightModules` modules is cut into equal cells, each character starts at
// the middle of its cell and is `charWidth` dots wide.
int32_t hriExtent(int32_t cells, int32_t leftModules, int32_t rightModules, int32_t charWidth,
                  int32_t moduleWidth, int32_t barWidth);

// The common result of every linear encoder, once its stop pattern is in the
// bar row: measure 0 the larger of bars and text, 1 bars, 2 text.
int32_t finishLinear(int32_t cells, int32_t leftModules, int32_t rightModules,
                     int32_t hriPosition, int32_t charWidth, int32_t measure);

}  // namespace barsize::linear
