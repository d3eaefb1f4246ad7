// DataBar Limited (symbol type 5).
#pragma once

#include "databar/engine.h"

namespace barsize::databar {

void buildLimitedSymbol(DataBarRequest &request);

}  // namespace barsize::databar
