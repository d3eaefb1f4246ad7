// DataBar Expanded and Expanded Stacked (symbol type 6). The engine sets
// request.segmentsPerRow before calling it.
#pragma once

#include "databar/engine.h"

namespace barsize::databar {

void buildExpandedSymbol(DataBarRequest &request);

}  // namespace barsize::databar
