#include <cstdio>

#include "commands.h"

namespace barsize::cli {

int runWidth(const Args &) {
    std::fprintf(stderr, "barsize width: not available yet\n");
    return kExitUsage;
}

}  // namespace barsize::cli
