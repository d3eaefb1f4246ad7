// The databar subcommand: figures, exit codes and the picture it writes.
#include <gtest/gtest.h>


#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cli_runner.h"

namespace {

using barsize::test::CliRun;

CliRun runCli(const std::string &arguments) { return barsize::test::runCli("databar " + arguments); }

TEST(DataBarCli, FiguresAndExitCodes) {
    struct Case { const char *arguments; int exitCode; const char *expected; const char *also = nullptr; };
    const Case cases[] = {
        {"omni 0950110153000 --json --module 2",
         0, "\"width\": 192, \"height\": 162, \"widthMm\"", "\"pictureWidth\": 192, \"pictureHeight\": 162, \"rows\": 1, \"separators\": 0"},
        {"stacked 0950110153000 --json",
         0, "\"width\": 150, \"height\": 115, \"widthMm\"", "\"pictureWidth\": 150, \"pictureHeight\": 99, \"rows\": 2, \"separators\": 1"},
        {"stacked-omni 0950110153000 --json --module 1",
         0, "\"width\": 50, \"height\": 85, \"widthMm\"", "\"pictureWidth\": 50, \"pictureHeight\": 69, \"rows\": 2, \"separators\": 3"},
        {"truncated 095011015300", 1, "13 digits"},
        {"stacked 09501101530A0", 1, "status -6"},
        {"square 0950110153000", 2, "unknown type"},
        {"omni 0950110153000 --bogus", 2, "unknown option"},
    };
    for (const Case &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.expected), std::string::npos) << c.arguments << "\n" << run.output;
        if (c.also != nullptr) {
            EXPECT_NE(run.output.find(c.also), std::string::npos) << c.arguments << "\n" << run.output;
        }
    }
}

TEST(DataBarCli, WritesThePicture) {
    const std::string path = ::testing::TempDir() + "databar_cli.pbm";
    const CliRun run = runCli("stacked 0950110153000 --module 1 --quiet-zone 0 -o " + path);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::ifstream in(path);
    std::string magic;
    int width = 0, height = 0;
    in >> magic >> width >> height;
    EXPECT_EQ(width, 50);
    EXPECT_EQ(height, 33);
    std::remove(path.c_str());
}

}  // namespace
