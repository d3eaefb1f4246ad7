// DataBar Limited: encoding, limits, size, and every symbol checked by the
// decoder and against an independent encoder's modules.
#include <gtest/gtest.h>

#include "support/zint_oracle.h"

#include <cstdio>
#include <string>
#include <vector>

#include "databar/limited.h"
#include "databar/limited_tables.h"
#include "unit/databar/databar_ext_support.h"

namespace barsize::databar::test {
namespace {

std::string thirteenDigits(uint64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%013llu", static_cast<unsigned long long>(value));
    return text;
}

char checkDigit(const std::string &digits) {
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// Item numbers whose left and right characters fall in every group the
// value range reaches (left characters only reach the first three).
std::vector<std::string> itemNumbersAcrossGroups() {
    const uint64_t lefts[] = {0, 183063, 183064, 820064, 993260};
    const uint64_t rights[] = {0, 183064, 820063, 820064, 1000776, 1491021, 1979845, 1996939, 2013570};
    std::vector<std::string> items;
    for (const uint64_t left : lefts) {
        for (const uint64_t right : rights) {
            const uint64_t value = left * 2013571 + right;
            if (value <= 1999999999999ull) items.push_back(thirteenDigits(value));
        }
    }
    items.push_back("1999999999999");
    items.push_back("0950110153000");
    return items;
}

// The modules of zint's Limited symbol for the item number, '1' = bar.
std::string zintModules(const std::string &digits) {
    const std::vector<std::string> rows = barsize::test::zintRows("-b 30", digits);
    return rows.empty() ? "" : rows[0];
}

TEST(DataBarLimited, ThirteenZerosEncodeToTheFirstGroup) {
    LimitedElements e{};
    ASSERT_EQ(encodeLimitedElements("0000000000000", e), 0);
    const uint8_t character[14] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 6, 1, 6, 3};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(e.widths[i], character[i]) << i;
        EXPECT_EQ(e.widths[28 + i], character[i]) << i;
        EXPECT_EQ(e.widths[14 + i], kLimitedCheckPatterns[35][i]) << i;
    }
}

TEST(DataBarLimited, LimitsAndSize) {
    struct Case {
        const char *data;
        int32_t status;
        int32_t width, height, bytesPerRow;
    };
    const Case cases[] = {
        {"1999999999999", kEngineSized, 222, 30, 28},
        {"0000000000000", kEngineSized, 222, 30, 28},
        {"2000000000000", kEngineDataTooLarge, 0, 0, 0},
        {"9999999999999", kEngineDataTooLarge, 0, 0, 0},
        {"12345678901234", kEngineDataLength, 0, 0, 0},
    };
    for (const Case &c : cases) {
        const EngineRun run = runEngine(kTypeLimited, c.data, 3, 10);
        EXPECT_EQ(run.sizingStatus, c.status) << c.data;
        EXPECT_EQ(run.request.symbolWidth, c.width) << c.data;
        EXPECT_EQ(run.request.symbolHeight, c.height) << c.data;
        EXPECT_EQ(run.request.bytesPerRow, c.bytesPerRow) << c.data;
    }
    // Short data is right-aligned with zeros.
    EXPECT_EQ(runEngine(kTypeLimited, "123456789012", 1, 4).raster,
              runEngine(kTypeLimited, "0123456789012", 1, 4).raster);
}

TEST(DataBarLimited, DecodesAndMatchesAnIndependentEncoder) {
    const std::vector<std::string> items = itemNumbersAcrossGroups();
    std::vector<barsize::test::TestRaster> rasters;
    for (const std::string &item : items) {
        const EngineRun run = runEngine(kTypeLimited, item, 1, 12);
        ASSERT_EQ(run.drawingStatus, kEngineDrawn) << item;
        rasters.push_back(rasterOf(run, "DataBarLtd"));
        const std::string zint = zintModules(item);
        ASSERT_GE(zint.size(), 74u) << "zint is needed for this test";
        EXPECT_EQ(firstLine(run), zint.substr(0, 74)) << item;
        EXPECT_EQ(zint.find('1', 74), std::string::npos) << item;
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_TRUE(results[i].found) << items[i] << " " << results[i].error;
        EXPECT_EQ(results[i].bytes, "01" + items[i] + checkDigit(items[i])) << items[i];
    }
}

}  // namespace
}  // namespace barsize::databar::test
