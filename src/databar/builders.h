// The symbol-type builders runDataBarEngine dispatches to. Each encodes the
// engine's workData, sets the size and, in the drawing pass, prints its rows;
// each reports through engineState().status.
#pragma once

#include "databar/engine.h"

namespace barsize::databar {

void buildOmniSymbol(DataBarRequest &request);          // types 1 and 2
void buildStackedSymbol(DataBarRequest &request);       // type 3
void buildStackedOmniSymbol(DataBarRequest &request);   // type 4

}  // namespace barsize::databar
