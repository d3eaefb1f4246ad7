// barsize qr: what it prints, its exit codes and the picture it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int exitCode;
    std::string out;
};

CliRun runCli(const std::string &arguments) {
    const std::string command = std::string(BARSIZE_CLI) + " qr " + arguments + " 2>/dev/null";
    CliRun run{-1, ""};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(QrCli, ReportsGeometryAndSegments) {
    struct Case {
        const char *arguments;
        int exitCode;
        const char *expected;  // a part of the output
    };
    const Case cases[] = {
        {"12345 --module 4 --json", 0,
         "\"version\": 1, \"modules\": 21, \"moduleSize\": 4, \"width\": 84, \"height\": 95"},
        {"abc123DEF --model 1 --level q", 0, "QR Code Model 1, level Q: version 1"},
        {"abc123DEF --json", 0, "[{\"mode\": \"byte\", \"characters\": 3, \"bytes\": 3},"
                                "{\"mode\": \"alphanumeric\", \"characters\": 6, \"bytes\": 6}]"},
        {"'\\x82\\xA0\\x82\\xA2' --escapes", 0, "segments: kanji 2"},
        {"--level H --file /dev/null", 1, ""},
        {"x --level X", 2, ""},
        {"x --model 3", 2, ""},
        {"x --module 17", 2, ""},
    };
    for (const Case &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.arguments << "\n" << run.out;
    }
}

TEST(QrCli, WritesTheSymbolWithItsQuietZone) {
    const std::string path = ::testing::TempDir() + "qr_cli.pbm";
    ASSERT_EQ(runCli("12345 --module 2 -o " + path).exitCode, 0);
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0;
    in >> magic >> width >> height;
    EXPECT_EQ(magic, "P4");
    EXPECT_EQ(width, (21 + 2 * 4) * 2);
    EXPECT_EQ(height, (21 + 2 * 4) * 2);
}

}  // namespace
