#include "databar/expanded.h"

namespace barsize::databar {

// Not built yet: the request fails as an unknown symbol type would.
void buildExpandedSymbol(DataBarRequest &request) {
    (void)request;
    engineState().status = kEngineBadType;
}

}  // namespace barsize::databar
