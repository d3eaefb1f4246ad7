#include "support/zint_oracle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace barsize::test {

bool zintAvailable() { return std::system("zint --version > /dev/null 2>&1") == 0; }

std::vector<std::string> zintRows(const std::string &options, const std::string &data) {
    // A file of its own: tests run in parallel processes.
    std::string path = ::testing::TempDir() + "zint-input-XXXXXX";
    const int fd = mkstemp(&path[0]);
    if (fd < 0) return {};
    close(fd);
    std::ofstream(path, std::ios::binary) << data;
    const std::string command = "zint " + options + " --dump -i " + path + " 2>/dev/null";
    std::vector<std::string> rows;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return rows;
    char line[2048];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string bits;
        for (const char *p = line; *p != 0; ++p) {
            int v = -1;
            if (*p >= '0' && *p <= '9') v = *p - '0';
            if (*p >= 'A' && *p <= 'F') v = *p - 'A' + 10;
            if (v < 0) continue;
            for (int b = 3; b >= 0; --b) bits += ((v >> b) & 1) ? '1' : '0';
        }
        if (!bits.empty()) rows.push_back(bits);
    }
    if (pclose(pipe) != 0) rows.clear();
    std::remove(path.c_str());
    return rows;
}

}  // namespace barsize::test
