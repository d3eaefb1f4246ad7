// The Omnidirectional family: the 42 elements, check values, sizes and rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "databar/builders.h"
#include "databar/omni_elements.h"
#include "unit/databar/databar_test_util.h"

namespace barsize::databar {
namespace {

std::vector<int> elementsOf(const char *digits) {
    const OmniElements e = encodeOmniElements(digits);
    return std::vector<int>(e.widths, e.widths + kOmniElementCount);
}

TEST(DataBarOmniElements, ThirteenZeros) {
    const std::vector<int> expected = {1, 1, 1, 1, 2, 1, 8, 1, 3, 8, 2, 1, 1, 7,
                                       2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2,
                                       7, 1, 1, 9, 1, 3, 1, 8, 1, 2, 1, 1, 1, 1};
    EXPECT_EQ(elementsOf("0000000000000"), expected);
    EXPECT_EQ(omniChecksum(encodeOmniElements("0000000000000")), 3);
    // Shorter data is right-aligned with leading zeros.
    EXPECT_EQ(elementsOf("950110153000"), elementsOf("0950110153000"));
    EXPECT_EQ(elementsOf(""), expected);
}

TEST(DataBarOmniElements, CheckValuesSkipEightAndSeventyTwo) {
    struct Case { int checksum, value; };
    const Case cases[] = {{0, 0}, {7, 7}, {8, 9}, {70, 71}, {71, 73}, {78, 80}};
    for (const Case &c : cases) EXPECT_EQ(omniCheckValue(c.checksum), c.value) << c.checksum;
}

TEST(DataBarOmniElements, RowsAreFixedWidthsWithFindersFromTheCheckValue) {
    const char *items[] = {"0000000000000", "0950110153000", "9999999999999", "1234567890123",
                           "2012345678901", "0000000000001"};
    const uint8_t finders[9][3] = {{3, 8, 2}, {3, 5, 5}, {3, 3, 7}, {3, 1, 9}, {2, 7, 4},
                                   {2, 5, 6}, {2, 3, 8}, {1, 5, 7}, {1, 3, 9}};
    for (const char *item : items) {
        const OmniElements e = encodeOmniElements(item);
        int modules[6] = {};
        const int bounds[7] = {0, 8, 13, 21, 29, 34, 42};
        for (int part = 0; part < 6; ++part)
            for (int i = bounds[part]; i < bounds[part + 1]; ++i) modules[part] += e.widths[i];
        EXPECT_EQ(std::vector<int>(modules, modules + 6), (std::vector<int>{16, 15, 15, 15, 15, 16}))
            << item;
        const int check = omniCheckValue(omniChecksum(e));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(e.widths[8 + i], finders[check / 9][i]) << item;
            EXPECT_EQ(e.widths[33 - i], finders[check % 9][i]) << item;
        }
    }
}

TEST(DataBarOmniSymbols, Sizes) {
    struct Case { uint32_t type; int32_t rowHeight, secondRowHeight, module, separator, width, height; };
    const Case cases[] = {
        {kTypeOmni, 10, 10, 2, 2, 192, 66},        {kTypeTruncated, 10, 10, 2, 2, 192, 26},
        {kTypeOmni, 54, 54, 3, 3, 288, 162},       {kTypeTruncated, 41, 41, 4, 4, 384, 164},
        {kTypeStacked, 5, 7, 2, 2, 100, 26},       {kTypeStackedOmni, 33, 1, 2, 2, 100, 138},
        {kTypeStacked, 16, 16, 3, 3, 150, 99},     {kTypeStackedOmni, 33, 33, 1, 1, 50, 69},
    };
    for (const Case &c : cases) {
        DataBarRequest r = makeRequest(c.type, "0950110153000", c.module);
        r.rowHeight = c.rowHeight;
        r.secondRowHeight = c.secondRowHeight;
        r.separatorHeight = c.separator;
        std::vector<uint8_t> raster;
        EXPECT_GE(runBothPasses(r, raster), 0);
        EXPECT_EQ(r.symbolWidth, c.width) << c.type;
        EXPECT_EQ(r.symbolHeight, c.height) << c.type;
    }
}

TEST(DataBarOmniSymbols, FourteenCharactersFail) {
    for (uint32_t type : {kTypeOmni, kTypeTruncated, kTypeStacked, kTypeStackedOmni}) {
        DataBarRequest r = makeRequest(type, "09501101530003");
        EXPECT_EQ(runDataBarEngine(r), kEngineDataLength);
        EXPECT_EQ(r.symbolWidth | r.symbolHeight | r.rasterSize, 0);
    }
}

// Lines of a drawn symbol at one pixel per module, grouped into runs of
// identical lines: each group is one printed row.
std::vector<std::pair<std::string, int>> drawnRows(uint32_t type, const char *item,
                                                   int32_t separatorHeight) {
    DataBarRequest r = makeRequest(type, item, 1);
    r.rowHeight = 6;
    r.secondRowHeight = 6;
    r.separatorHeight = separatorHeight;
    std::vector<uint8_t> raster;
    EXPECT_GE(runBothPasses(r, raster), 0);
    std::vector<std::pair<std::string, int>> rows;
    for (int32_t y = 0; y < r.rasterLines; ++y) {
        const std::string line = lineBits(raster.data(), r.bytesPerRow, r.symbolWidth, y);
        if (!rows.empty() && rows.back().first == line)
            ++rows.back().second;
        else
            rows.emplace_back(line, 1);
    }
    return rows;
}

TEST(DataBarOmniSymbols, StackedRowsAndSeparators) {
    const char *items[] = {"0000000000000", "0950110153000", "7777777777777", "1234567890123"};
    for (const char *item : items) {
        const OmniElements e = encodeOmniElements(item);
        ElementRow upper = {21, 0, 0, 1, 6, 1, 0, e.widths};
        ElementRow lower = {21, 0, 0, 1, 6, 0, 0, e.widths + 21};

        // Stacked: upper row, one separator line, lower row.
        const auto stacked = drawnRows(kTypeStacked, item, 1);
        ASSERT_EQ(stacked.size(), 3u) << item;
        EXPECT_EQ(stacked[0], std::make_pair(rowBits(upper), 6));
        EXPECT_EQ(stacked[2], std::make_pair(rowBits(lower), 6));
        const std::string separator = stacked[1].first;
        EXPECT_EQ(stacked[1].second, 1);
        EXPECT_EQ(separator.substr(0, 4), "0000");
        EXPECT_EQ(separator.substr(46), "0000");
        // Where the rows agree the separator is their opposite; where they
        // differ it alternates.
        for (size_t x = 4; x < 46; ++x) {
            const char a = stacked[0].first[x], b = stacked[2].first[x];
            if (a == b) {
                EXPECT_NE(separator[x], a) << item << " column " << x;
            } else if (x > 4) {
                EXPECT_NE(separator[x], separator[x - 1]) << item << " column " << x;
            }
        }

        // Stacked omnidirectional: row, separator, middle pattern, separator, row.
        const auto omni = drawnRows(kTypeStackedOmni, item, 2);
        ASSERT_EQ(omni.size(), 5u) << item;
        EXPECT_EQ(omni[0].first, rowBits(upper));
        EXPECT_EQ(omni[4].first, rowBits(lower));
        std::string middle = "00000";
        for (int i = 0; i < 41; ++i) middle += i % 2 == 0 ? '1' : '0';
        EXPECT_EQ(omni[2], std::make_pair(middle + "0000", 2));
        for (int s : {1, 3}) {
            EXPECT_EQ(omni[s].second, 2);
            EXPECT_EQ(omni[s].first.size(), 50u);
            EXPECT_EQ(omni[s].first.substr(0, 4), "0000");
            EXPECT_EQ(omni[s].first.substr(46), "0000");
        }
    }
}

}  // namespace
}  // namespace barsize::databar
