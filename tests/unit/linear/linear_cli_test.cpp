// The render and width subcommands on linear symbols: the picture is the
// bar row at one pixel per dot with its quiet zone, and scans; refusals are
// told in words with the byte at fault.
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
using barsize::test::readPbm;
using barsize::test::runCli;

TEST(LinearCli, RenderDrawsTheSymbolAtItsWidthAndItScans) {
    const struct {
        const char *arguments;
        const char *format;
        int width;  // bars in dots
        int quiet;  // quiet zone in dots
        int height;
        const char *decoded;
    } cases[] = {
        {"upca 01234567890 --module 2", "UPCA", 190, 20, 80, "0012345678905"},
        {"code39 ABC --module 3 --height 50 --quiet-zone 12", "Code39", 222, 36, 50, "ABC"},
        {"code128 '{BHello' --module 4", "Code128", 360, 40, 80, "Hello"},
        {"itf 123456 --module 5 --quiet-zone 15", "ITF", 5 * 4 + 3 * (4 * 13 + 6 * 5) + 13 + 10, 75, 80,
         "123456"},
        {"code93 --escapes 'a\\x01' --module 6", "Code93", (9 * 6 + 19) * 6, 60, 80, "a\x01"},
    };
    std::vector<barsize::test::TestRaster> rasters;
    for (const auto &c : cases) {
        const std::string path = testing::TempDir() + "linear_cli_render.pbm";
        const CliRun run = runCli(std::string("render ") + c.arguments + " -o " + path);
        ASSERT_EQ(run.exitCode, 0) << c.arguments << ": " << run.output;
        barsize::test::TestRaster r = readPbm(path, c.format);
        std::remove(path.c_str());
        ASSERT_GT(r.width, 0) << c.arguments;
        const int bars = r.width - 2 * c.quiet;
        EXPECT_EQ(bars, c.width) << c.arguments;
        EXPECT_NE(run.output.find(": " + std::to_string(bars) + " dots wide"), std::string::npos)
            << c.arguments << ": " << run.output;
        EXPECT_EQ(r.height, c.height + 2 * c.quiet) << c.arguments;
        // First and last bar sit right inside the quiet zone.
        const size_t middle = static_cast<size_t>(r.height / 2) * r.width;
        EXPECT_EQ(r.dark[middle + c.quiet - 1], 0) << c.arguments;
        EXPECT_EQ(r.dark[middle + c.quiet], 1) << c.arguments;
        EXPECT_EQ(r.dark[middle + c.quiet + bars - 1], 1) << c.arguments;
        EXPECT_EQ(r.dark[middle + c.quiet + bars], 0) << c.arguments;
        rasters.push_back(r);
    }
    const std::vector<barsize::test::DecodeResult> results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].found) << cases[i].arguments << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, cases[i].decoded) << cases[i].arguments;
    }
}

TEST(LinearCli, StatusesInWords) {
    const struct {
        const char *arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {"width code39 a", 1, "Code 39 data holds a character outside its set: 'a' at byte 0"},
        {"width code39 'AB*'", 1, "'*' at byte 2"},
        {"width upca 0123456789A", 1, "UPC-A data holds a non-digit: 'A' at byte 10"},
        {"width upce 10000000005", 1, "UPC-E: 10000000005 cannot be zero-suppressed"},
        {"width ean8 12", 1, "EAN-8 data must be 7 or 8 digits (2 given)"},
        {"width itf 123", 1, "ITF data must be an even number of digits, 2 to 254 (3 given)"},
        {"width codabar 1234", 1, "must begin and end with A, B, C or D (it begins with '1'"},
        {"width codabar A12e", 1, "Codabar data holds a character outside its set: 'e' at byte 3"},
        {"width code93 --escapes 'A\\x80'", 1, "Code 93 data holds a byte above 127: \\x80 at byte 1"},
        {"width code128 AB", 1, "Code 128 data must start with {A, {B or {C"},
        {"width code128 '{Aa'", 1, "Code 128 set A cannot encode 'a' at byte 2"},
        {"width code128 '{C{S'", 1, "Code 128 escape {S at byte 2 is not allowed in set C"},
        {"width code128 '{A{S{C{S'", 1, "escape {S at byte 6 is not allowed in set C"},
        {"width code128 --escapes '{BA\\x90'", 1, "Code 128 data holds a byte above 127: \\x90 at byte 3"},
        {"render code39 abc -o /dev/null.png", 1, "'a' at byte 0"},
        {"render code39 ABC", 2, "missing -o FILE"},
        {"render qr 12345 -o x.png", 2, "not a linear symbology"},
        {"render code39 ABC --module 7 -o x.png", 2, "module width must be 2 to 6 dots"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << ": " << run.output;
    }
}

}  // namespace
