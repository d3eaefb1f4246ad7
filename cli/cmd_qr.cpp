#include <cstdio>

#include "commands.h"

namespace barsize::cli {

int runQr(const Args &) {
    std::fprintf(stderr, "barsize qr: not available yet\n");
    return kExitUsage;
}

}  // namespace barsize::cli
