#include <cstdio>

#include "commands.h"

namespace barsize::cli {

int runDatabar(const Args &) {
    std::fprintf(stderr, "barsize databar: not available yet\n");
    return kExitUsage;
}

}  // namespace barsize::cli
