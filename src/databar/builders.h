// The symbol-type builders runDataBarEngine dispatches to. Each encodes the
// engine's workData, sets the size and, in the drawing pass, prints its rows;
// each reports through engineState().status.
#pragma once

#include "databar/engine.h"
#include "databar/omni_elements.h"

namespace barsize::databar {

void buildOmniSymbol(DataBarRequest &request);          // types 1 and 2
void buildStackedSymbol(DataBarRequest &request);       // type 3
void buildStackedOmniSymbol(DataBarRequest &request);   // type 4

// The one-pattern separator between the two rows of the stacked type: 50
// modules, light over its first and last four. Valid until the next call.
const ElementRow &makeStackedSeparator(const DataBarRequest &request,
                                       const OmniElements &elements);

}  // namespace barsize::databar
