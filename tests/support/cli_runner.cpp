#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace barsize::test {

CliRun runCli(const std::string &arguments) {
    const std::string command = std::string(BARSIZE_CLI) + " " + arguments + " 2>&1";
    CliRun run;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TestRaster readPbm(const std::string &path, const std::string &format, int scale, int quietZone) {
    TestRaster r;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0;
    in >> magic >> width >> height;
    in.get();
    if (magic != "P4" || width <= 0 || height <= 0) return r;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    const int rowBytes = (width + 7) / 8;
    if (bytes.size() != static_cast<size_t>(rowBytes) * height) return r;
    r.width = width;
    r.height = height;
    r.quietZone = quietZone;
    r.scale = scale;
    r.format = format;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            r.dark.push_back((static_cast<unsigned char>(bytes[static_cast<size_t>(y) * rowBytes + x / 8]) >>
                              (7 - x % 8)) & 1);
    return r;
}

}  // namespace barsize::test
