// The pdf417 subcommand: what it reports, the picture it writes (which must
// scan), and its exit codes.
#include <gtest/gtest.h>


#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/decoder.h"

namespace {

using barsize::test::CliRun;

CliRun runCli(const std::string &arguments) { return barsize::test::runCli("pdf417 " + arguments); }

barsize::test::TestRaster readPbm(const std::string &path) { return barsize::test::readPbm(path, "PDF417"); }

bool contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

TEST(Pdf417Cli, ReportsAndDrawsSymbolsThatScan) {
    const struct {
        const char *arguments;
        const char *decoded;
        const char *report;  // a line the summary must hold
        int width, height;   // picture in pixels: symbol plus 2 modules each side
    } cases[] = {
        {"ABC --module 3 --level 1", "ABC", "3 rows x 8 data columns, error-correction level 1",
         615 + 12, 27 + 12},
        {"ABC --ratio 10 --truncated", "ABC", "PDF417 truncated \"ABC\": 620 x 27 dots",
         615 + 12, 27 + 12},
        {"--escapes 'bytes \\x80\\x81 and 1234567890123456' --columns 4 --rows 9 --module 2 --row-height 2 "
         "--quiet-zone 4",
         "bytes \x80\x81 and 1234567890123456", "9 rows x 4 data columns", (17 * 4 + 69) * 2 + 16,
         9 * 4 + 16},
    };
    std::vector<barsize::test::TestRaster> rasters;
    for (const auto &c : cases) {
        const std::string path = testing::TempDir() + "pdf417_cli.pbm";
        const CliRun run = runCli(std::string(c.arguments) + " -o " + path);
        ASSERT_EQ(run.exitCode, 0) << c.arguments << ": " << run.output;
        EXPECT_TRUE(contains(run.output, c.report)) << run.output;
        rasters.push_back(readPbm(path));
        EXPECT_EQ(rasters.back().width, c.width) << c.arguments;
        EXPECT_EQ(rasters.back().height, c.height) << c.arguments;
    }
    const std::vector<barsize::test::DecodeResult> results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].bytes, cases[i].decoded) << cases[i].arguments;
        EXPECT_EQ(results[i].unusedErrorCorrection, 1.0) << cases[i].arguments;
    }
}

TEST(Pdf417Cli, JsonReportsTheCodewordCounts) {
    const CliRun run = runCli("ABC --json");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char *field : {"\"rows\": 3", "\"columns\": 8", "\"level\": 1", "\"dataCodewords\": 3",
                              "\"padCodewords\": 17", "\"ecCodewords\": 4", "\"width\": 620",
                              "\"height\": 27"})
        EXPECT_TRUE(contains(run.output, field)) << field << " in " << run.output;
}

TEST(Pdf417Cli, RefusalsAndUsageErrors) {
    const struct {
        const char *arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {"ABC --module 8", 1, "status -7"},
        {"--columns 1 --rows 3 --level 0 A", 1, "status -17"},
        {"--columns 2 --rows 3 --level 8 ABCDEFGHIJ", 1, "status -17"},
        {"--columns 2 --rows 3 --level 0 ABCDEFGHIJ", 1, "does not fit"},
        {"ABC --level 9", 2, "--level takes 0 to 8"},
        {"ABC --ratio 15", 2, "steps of 10"},
        {"ABC --level 2 --ratio 20", 2, "not both"},
        {"ABC --rows 2", 2, "--rows takes"},
        {"ABC --columns 31", 2, "--columns takes"},
        {"ABC --bogus", 2, "unknown option"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.output;
        EXPECT_TRUE(contains(run.output, c.message)) << c.arguments << ": " << run.output;
    }
}

}  // namespace
