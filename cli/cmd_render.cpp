#include <cstdio>

#include "commands.h"

namespace barsize::cli {

int runRender(const Args &) {
    std::fprintf(stderr, "barsize render: not available yet\n");
    return kExitUsage;
}

}  // namespace barsize::cli
