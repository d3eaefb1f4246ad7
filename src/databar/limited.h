// DataBar Limited (symbol type 5).
#pragma once

#include "databar/engine.h"

namespace barsize::databar {

constexpr int32_t kLimitedElementCount = 42;
constexpr int32_t kLimitedModules = 74;  // the row with its two guard pairs

// The 42 element widths of a Limited symbol, light first: left character
// (0-13), check character (14-27), right character (28-41).
struct LimitedElements {
    uint8_t widths[kLimitedElementCount];
};

// Encodes 13 digits (below 2,000,000,000,000). Returns 0, or
// kEngineDataTooLarge for a larger value.
int32_t encodeLimitedElements(const char *digits13, LimitedElements &elements);

void buildLimitedSymbol(DataBarRequest &request);

}  // namespace barsize::databar
