// barsize qr: what it prints, its exit codes and the picture it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cli_runner.h"

namespace {

using barsize::test::CliRun;

CliRun runCli(const std::string &arguments) { return barsize::test::runCli("qr " + arguments); }

TEST(QrCli, ReportsGeometryAndSegments) {
    struct Case {
        const char *arguments;
        int exitCode;
        const char *expected;  // a part of the output
    };
    const Case cases[] = {
        {"12345 --module 4 --json", 0,
         "\"width\": 84, \"height\": 95, \"widthMm\": 10.5, \"heightMm\": 11.9, \"dpi\": 203, "
         "\"model\": 2, \"level\": \"L\", \"version\": 1, \"modules\": 21, \"moduleSize\": 4"},
        {"abc123DEF --model 1 --level q", 0, "QR Code Model 1, level Q \"abc123DEF\": 84 x 95 dots"},
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
        EXPECT_NE(run.output.find(c.expected), std::string::npos) << c.arguments << "\n" << run.output;
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
