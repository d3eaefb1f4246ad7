#include "databar/limited.h"

namespace barsize::databar {

// Not built yet: the request fails as an unknown symbol type would.
void buildLimitedSymbol(DataBarRequest &request) {
    (void)request;
    engineState().status = kEngineBadType;
}

}  // namespace barsize::databar
