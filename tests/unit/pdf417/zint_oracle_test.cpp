// Symbols module for module against an independent encoder (zint), for data
// both encoders compact alike: patterns, clusters, row indicators, length
// descriptor, pads, Reed-Solomon codewords and both stop forms.
#include <gtest/gtest.h>

#include "support/zint_oracle.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "barsize.h"

namespace {

bool haveZint() { return barsize::test::zintAvailable(); }

std::vector<std::string> zintRows(const std::string &data, int columns, int level, bool truncated) {
    return barsize::test::zintRows(std::string("--barcode=") + (truncated ? "56" : "55") +
                                       " --cols=" + std::to_string(columns) +
                                       " --secure=" + std::to_string(level) + " --binary",
                                   data);
}

// Our symbol at one dot per module and one line per row.
std::vector<std::string> ourRows(const std::string &data, int columns, int level, bool truncated) {
    const Pdf417Params p = {static_cast<uint16_t>(columns), 0, 1, 1, 0,
                            static_cast<uint16_t>(level), static_cast<uint16_t>(truncated)};
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    std::vector<std::string> rows;
    if (getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 48, 0, &p, &width,
                          &height, &status, &image) != 0)
        return rows;
    const uint8_t *bits = static_cast<const uint8_t *>(image.pixels);
    for (int y = 0; y < image.rowCount; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x)
            row += (bits[y * image.bytesPerRow + x / 8] >> (7 - x % 8)) & 1 ? '1' : '0';
        rows.push_back(row);
    }
    return rows;
}

TEST(Pdf417ZintOracle, SymbolsMatchModuleForModule) {
    if (!haveZint()) GTEST_SKIP() << "zint is not installed";
    const struct {
        const char *name;
        std::string data;
        int columns, level;
        bool truncated;
    } cases[] = {
        {"text, one column", "ABC", 1, 2, false},
        {"text, one column, truncated", "ABC", 1, 2, true},
        {"five bytes, 29 columns, truncated", "\x94\x96\xdb\x80\x9e", 29, 5, true},
        {"five bytes, level 8", "\x94\x96\xdb\x80\x9e", 10, 8, false},
        {"twelve bytes: 924", std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c", 12), 12, 2, false},
        {"mixed runs, level 0", std::string("Invoice 2024-0001: \x01\x02 total 1234567890123456 EUR\x00ok", 51), 6, 0, false},
        {"100 digits", std::string(100, '1'), 3, 3, true},
        {"byte shift in text", "ABCDE\x80" "FGHIJ", 29, 5, true},
        {"upper and lower", "abCDEFGhij aBcDe", 3, 3, true},
        {"short text joins bytes", "A\x80" "BCDEF", 10, 8, false},
        {"letters and fourteen digits", "ABC 123456789012345 DEF", 5, 4, true},
        {"punctuation latch", "a!!!!b", 5, 1, false},
    };
    for (const auto &c : cases) {
        const std::vector<std::string> ours = ourRows(c.data, c.columns, c.level, c.truncated);
        const std::vector<std::string> theirs = zintRows(c.data, c.columns, c.level, c.truncated);
        ASSERT_FALSE(ours.empty()) << c.name;
        ASSERT_EQ(ours.size(), theirs.size()) << c.name;
        for (size_t y = 0; y < ours.size(); ++y)
            EXPECT_EQ(ours[y], theirs[y].substr(0, ours[y].size())) << c.name << " row " << y;
    }
}

}  // namespace
