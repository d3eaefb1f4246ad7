#include "databar/builders.h"

namespace barsize::databar {

void buildOmniSymbol(DataBarRequest &) { engineState().status = kEngineBadType; }
void buildStackedSymbol(DataBarRequest &) { engineState().status = kEngineBadType; }
void buildStackedOmniSymbol(DataBarRequest &) { engineState().status = kEngineBadType; }

}  // namespace barsize::databar
