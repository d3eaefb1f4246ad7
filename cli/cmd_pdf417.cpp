#include <cstdio>

#include "commands.h"

namespace barsize::cli {

int runPdf417(const Args &) {
    std::fprintf(stderr, "barsize pdf417: not available yet\n");
    return kExitUsage;
}

}  // namespace barsize::cli
