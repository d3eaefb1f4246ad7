// barsize databar limited | expanded | expanded-stacked: figures, exit codes,
// and a written picture that reads back.
#include <gtest/gtest.h>


#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/cli_runner.h"
#include "support/decoder.h"

namespace {

using barsize::test::CliRun;

CliRun runDatabarCli(const std::string &arguments) { return barsize::test::runCli("databar " + arguments); }

barsize::test::TestRaster readPbm(const std::string &path, const std::string &format) {
    return barsize::test::readPbm(path, format, 4, 10);
}

TEST(DataBarLimitedExpandedCli, FiguresAndExitCodes) {
    struct Case {
        const char *arguments;
        int exitCode;
        const char *expected;
        const char *also = nullptr;
    };
    const Case cases[] = {
        {"limited 0950110153000 --json --module 1", 0,
         "\"width\": 74, \"height\": 162, \"widthMm\"", "\"pictureWidth\": 74, \"pictureHeight\": 162, \"rows\": 1, \"separators\": 0"},
        {"expanded '(01)09501101530003' --json --module 1", 0,
         "\"width\": 134, \"height\": 162, \"widthMm\"", "\"pictureWidth\": 134, \"pictureHeight\": 162, \"rows\": 1, \"separators\": 0"},
        {"expanded-stacked '(01)09501101530003(10)AB{1(21)123' --json --row-width 300 --module 2", 0,
         "\"width\": 204, \"height\": 232, \"widthMm\"", "\"pictureWidth\": 204, \"pictureHeight\": 216, \"rows\": 3, \"separators\": 6"},
        {"limited 2000000000000", 1, "could not be built"},
        {"expanded '(10)AB$'", 1, "element string was rejected"},
        {"expanded-stacked '(10)AB$'", 1, "status -6"},
        {"expanded-stacked '(10)11111111111111111111111111111111111111111111111111111111111111111111111111111111'",
         1, "status -6"},
    };
    for (const Case &c : cases) {
        const CliRun run = runDatabarCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.expected), std::string::npos) << c.arguments << "\n" << run.output;
        if (c.also != nullptr) {
            EXPECT_NE(run.output.find(c.also), std::string::npos) << c.arguments << "\n" << run.output;
        }
    }
}

TEST(DataBarLimitedExpandedCli, PicturesReadBack) {
    struct Case {
        const char *arguments;
        const char *format;
        std::string read;
    };
    const Case cases[] = {
        {"limited 0950110153000", "DataBarLtd", "0109501101530003"},
        {"expanded '(01)09501101530003(10)AB{1(21)123'", "DataBarExp", "010950110153000310AB\x1d" "21123"},
        {"expanded-stacked '(01)09501101530003(10)AB{1(21)123' --row-width 120", "DataBarExpStk",
         "010950110153000310AB\x1d" "21123"},
    };
    std::vector<barsize::test::TestRaster> rasters;
    for (const Case &c : cases) {
        const std::string path = ::testing::TempDir() + "databar_ext_cli.pbm";
        const CliRun run = runDatabarCli(std::string(c.arguments) + " --module 1 --quiet-zone 0 -o " + path);
        ASSERT_EQ(run.exitCode, 0) << c.arguments << "\n" << run.output;
        rasters.push_back(readPbm(path, c.format));
        std::remove(path.c_str());
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < rasters.size(); ++i) {
        EXPECT_TRUE(results[i].found) << cases[i].arguments << " " << results[i].error;
        EXPECT_EQ(results[i].bytes, cases[i].read) << cases[i].arguments;
    }
}

}  // namespace
