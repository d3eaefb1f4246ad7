// Running the barsize tool from a test, and reading the pictures it writes.
#pragma once

#include <string>

#include "support/decoder.h"

namespace barsize::test {

struct CliRun {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

// Runs `barsize ARGUMENTS` through the shell (so arguments may be quoted).
CliRun runCli(const std::string &arguments);

// A binary PBM (P4) picture as a raster for the decoder; width 0 if it cannot
// be read. The picture is taken to carry its own quiet zone unless one is given.
TestRaster readPbm(const std::string &path, const std::string &format, int scale = 2,
                   int quietZone = 0);

}  // namespace barsize::test
