// Limited and Expanded through the exports: codes 77 and 78 of
// getBarCodeWidth, sub-type 76 of the 2D exports and the GS1 shortcuts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barsize.h"
#include "databar/passes.h"
#include "support/decoder.h"

namespace barsize::databar::test {
namespace {

using barsize::test::TestRaster;

// The symbol the last DataBar call drew.
TestRaster lastRaster(const std::string &format) {
    const DataBarRequest &r = lastDataBarRequest();
    return barsize::test::rasterFromBits(dataBarRaster(), r.symbolWidth, r.rasterLines,
                                         r.bytesPerRow, format, 1);
}

int32_t linearWidth(const std::string &data, int32_t symbology, int32_t moduleWidth) {
    return getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology, moduleWidth,
                           0, 0, 0);
}

TEST(DataBarLimitedExports, WidthsStatusesAndSymbol) {
    struct Case {
        const char *data;
        int32_t moduleWidth;
        int32_t result;
    };
    const Case cases[] = {
        {"1999999999999", 2, 148}, {"0000000000000", 3, 222}, {"0950110153000", 9, 222},
        {"2000000000000", 3, BARSIZE_E_DATABAR_FAILED},   // value too large for Limited
        {"123456789012", 3, BARSIZE_E_DATABAR_LENGTH},
        {"12345678901A3", 3, BARSIZE_E_DATABAR_DIGITS},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(linearWidth(c.data, BARSIZE_DATABAR_LIMITED, c.moduleWidth), c.result) << c.data;
    }
    ASSERT_EQ(linearWidth("0950110153000", BARSIZE_DATABAR_LIMITED, 2), 148);
    const auto results = barsize::test::decodeRasters({lastRaster("DataBarLtd")});
    EXPECT_EQ(results[0].bytes, "0109501101530003");
}

TEST(DataBarExpandedExports, LinearWidthsStatusesAndSymbols) {
    struct Case {
        std::string data;
        int32_t moduleWidth;
        int32_t result;
        std::string read;  // what the decoder gives back; empty: not decoded
    };
    const Case cases[] = {
        {"(01)09501101530003", 3, 134 * 3, "0109501101530003"},
        {"(01)90012345678908(3103)001750", 1, 4 + 49 * 3, "01900123456789083103001750"},
        {"(01)09501101530003(10)AB{1(21)123", 2, 2 * (4 + 49 * 4 + 32), "010950110153000310AB\x1d" "21123"},
        {"(21)a{(b{)c{*d{{e", 1, BARSIZE_E_DATABAR_FAILED, ""},  // '{' is outside the Expanded set
        {"(21)a{(b{)c{*d", 1, 4 + 49 * 4, "21a(b)c*d"},
        {"(10)" + std::string(80, '1'), 1, BARSIZE_E_DATABAR_FAILED, ""},  // more than 252 bits
        {"(10)AB$", 1, BARSIZE_E_DATABAR_ELEMENT_STRING, ""},
        {"(10)AB#", 1, BARSIZE_E_DATABAR_ELEMENT_STRING, ""},
        {"", 1, BARSIZE_E_DATABAR_FAILED, ""},
    };
    std::vector<TestRaster> rasters;
    std::vector<std::string> expected;
    for (const Case &c : cases) {
        EXPECT_EQ(linearWidth(c.data, BARSIZE_DATABAR_EXPANDED, c.moduleWidth), c.result) << c.data;
        if (c.read.empty()) continue;
        rasters.push_back(lastRaster("DataBarExp"));
        expected.push_back(c.read);
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < rasters.size(); ++i) EXPECT_EQ(results[i].bytes, expected[i]) << i;
}

TEST(DataBarExpandedExports, StackedRowsFollowTheRowWidthLimit) {
    const std::string data = "(01)09501101530003(10)ABC123{1(21)serial-7{1(3103)001750";
    const std::string read = "010950110153000310ABC123\x1d" "21serial-7\x1d" "3103001750";
    struct Case {
        uint16_t moduleWidth, rowWidthLimit;
        int16_t width;  // the widest row that fits, in dots
    };
    // 19 symbol characters (20 in rows of 2 segments): rows of 4, 12, all
    // 19, and 2 segments where even one pair is wider than the limit.
    const Case cases[] = {
        {1, 0, 102},   {1, 141, 102}, {1, 300, 298}, {1, 640, 4 + 49 * 9 + 32},
        {1, 1000, 4 + 49 * 9 + 32}, {2, 300, 2 * 102}, {3, 0, 3 * 53}, {1, 53, 53},
    };
    std::vector<TestRaster> rasters;
    for (const Case &c : cases) {
        const StackedParams params = {c.moduleWidth, c.rowWidthLimit};
        int16_t width = 0, height = 0, status = 1;
        SymbolImage image = {};
        ASSERT_EQ(getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 51, 76, &params,
                                    &width, &height, &status, &image),
                  0)
            << c.rowWidthLimit;
        EXPECT_EQ(status, 0);
        EXPECT_EQ(width, c.width) << c.rowWidthLimit;
        EXPECT_EQ(height, image.rowCount + 16);
        EXPECT_EQ(getGS1Width(data.data(), static_cast<int32_t>(data.size()), 76, c.moduleWidth,
                              c.rowWidthLimit),
                  width);
        EXPECT_EQ(getGS1Height(data.data(), static_cast<int32_t>(data.size()), 76, c.moduleWidth,
                               c.rowWidthLimit),
                  height);
        rasters.push_back(barsize::test::rasterFromImage(image, "DataBarExpStk", 2));
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < rasters.size(); ++i) {
        EXPECT_TRUE(results[i].found) << i << " " << results[i].error;
        EXPECT_EQ(results[i].bytes, read) << i;
    }
}

TEST(DataBarExpandedExports, StackedFailures) {
    struct Case {
        std::string data;
        int16_t status;
        int32_t result;
    };
    const Case cases[] = {
        {"(10)AB$", BARSIZE_E_STACKED_DATA, -1},               // rejected character
        {"(10)ab{x", BARSIZE_E_STACKED_DATA, -1},              // unknown escape
        {"(10)" + std::string(80, '1'), -6, -6},                // more than 252 bits
    };
    for (const Case &c : cases) {
        const StackedParams params = {2, 0};
        int16_t width = 111, height = 222, status = 1;
        SymbolImage image = {};
        EXPECT_EQ(getBarCodeWidth2D(c.data.data(), static_cast<int32_t>(c.data.size()), 51, 76,
                                    &params, &width, &height, &status, &image),
                  c.result)
            << c.data;
        EXPECT_EQ(status, c.status) << c.data;
        EXPECT_EQ(width, 111);
        EXPECT_EQ(height, 222);
    }
}

}  // namespace
}  // namespace barsize::databar::test
