// DataBar Expanded and Expanded Stacked symbols: layout and size, and every
// symbol read back by the decoder to exactly its element string.
#include <gtest/gtest.h>

#include "support/zint_oracle.h"

#include <cstdio>
#include <string>
#include <vector>

#include "databar/expanded.h"
#include "databar/expanded_bits.h"
#include "unit/databar/databar_ext_support.h"

namespace barsize::databar::test {
namespace {

const std::string kItem9 = "0190012345678908";

// What a reader returns for an element string: FNC1 as the GS character.
std::string asRead(std::string data) {
    for (char &c : data) {
        if (c == '#') c = '\x1d';
    }
    return data;
}

int32_t dataCharacters(const std::string &data, int32_t segmentsPerRow = 22) {
    ExpandedBitStream s;
    encodeExpandedBits(reinterpret_cast<const uint8_t *>(data.c_str()), segmentsPerRow, s);
    return s.dataCharacters;
}

// Printable width (at one dot per module) that gives rows of `segments` segments.
int32_t widthForSegments(int32_t segments) { return 4 + 49 * segments / 2; }

int32_t firstDarkColumn(const EngineRun &run, int32_t line) {
    const uint8_t *bytes = run.raster.data() + line * run.request.bytesPerRow;
    for (int32_t x = 0; x < run.request.symbolWidth; ++x) {
        if ((bytes[x / 8] >> (7 - x % 8)) & 1) return x;
    }
    return -1;
}

// Every encodation method, the mode switches, the last digit and long
// general-purpose data.
const std::vector<std::string> &elementStrings() {
    static const std::vector<std::string> strings = {
        "0109501101530003",
        kItem9 + "3103001750",
        kItem9 + "3103032768",
        kItem9 + "3202009999",
        kItem9 + "3203022767",
        kItem9 + "392212345",
        kItem9 + "3923123#10AB-7",
        kItem9 + "39319781234",
        kItem9 + "3101001234",
        kItem9 + "3205099999",
        kItem9 + "310300123411991231",
        kItem9 + "320100123413010100",
        kItem9 + "310500123415000131",
        kItem9 + "320200123417251015",
        kItem9 + "310100123411991331",  // not a date: general data after the item
        kItem9 + "39319A81234",         // not a currency code: general data
        "0190012345678907" "10X",        // wrong check digit: kept as written
        "0109501101530003101",
        "0109501101530003" "10123",
        "0109501101530003" "1012345",
        "0109501101530003" "10123456789012345",
        "10ABC123",
        "10AB#21CD",   // FNC1 in alphanumeric mode
        "21abc#10X",   // FNC1 in ISO 646 mode
        "10AB12345678cd#21x1yz1",
        "21A1234#10ab!%&'()*+,-./:;<=>?_ Z",
        "10ABCDEFGHIJKLMNOPQRST#21abcdefghijkl",
        "01950110153000381012345678901234567890#2112345678901234567890#911234567",
    };
    return strings;
}

// The modules of zint's single-row Expanded symbol, '1' = bar.
std::string zintModules(const std::string &bracketed) {
    const std::vector<std::string> rows = barsize::test::zintRows("-b 31", bracketed);
    return rows.empty() ? "" : rows[0];
}

// Element strings the compressed methods fix completely (no general data,
// or general data with a single way to write it): an independent encoder
// draws the same modules.
TEST(DataBarExpanded, FixedSymbolsMatchAnIndependentEncoder) {
    struct Case {
        std::string data, bracketed;
    };
    const Case cases[] = {
        {"0109501101530003", "[01]09501101530003"},
        {kItem9 + "3103001750", "[01]90012345678908[3103]001750"},
        {kItem9 + "3202009999", "[01]90012345678908[3202]009999"},
        {kItem9 + "3203022767", "[01]90012345678908[3203]022767"},
        {kItem9 + "3103032768", "[01]90012345678908[3103]032768"},
        {kItem9 + "310300123415991231", "[01]90012345678908[3103]001234[15]991231"},
        {kItem9 + "320100123417000100", "[01]90012345678908[3201]001234[17]000100"},
        {kItem9 + "392212345", "[01]90012345678908[3922]12345"},
        {kItem9 + "39319781234", "[01]90012345678908[3931]9781234"},
    };
    for (const Case &c : cases) {
        const EngineRun run = runEngine(kTypeExpanded, c.data, 1, 34);
        ASSERT_EQ(run.drawingStatus, kEngineDrawn) << c.data;
        const std::string zint = zintModules(c.bracketed);
        ASSERT_GE(zint.size(), static_cast<size_t>(run.request.symbolWidth)) << "zint is needed";
        EXPECT_EQ(firstLine(run), zint.substr(0, static_cast<size_t>(run.request.symbolWidth)))
            << c.data;
        EXPECT_EQ(zint.find('1', static_cast<size_t>(run.request.symbolWidth)), std::string::npos)
            << c.data;
    }
}

TEST(DataBarExpanded, LongDataFillsTwentyOneCharacters) {
    EXPECT_EQ(dataCharacters("10ABCDEFGHIJKLMNOPQRST#21abcdefghijkl"), 21);
    EXPECT_EQ(dataCharacters("21A1234#10ab!%&'()*+,-./:;<=>?_ Z"), 21);
    EXPECT_EQ(dataCharacters("01950110153000381012345678901234567890#2112345678901234567890#911234567"), 21);
}

TEST(DataBarExpanded, EveryMethodDecodesInOneRowAndStacked) {
    std::vector<barsize::test::TestRaster> rasters;
    std::vector<std::string> expected;
    for (const std::string &data : elementStrings()) {
        for (const int32_t printableWidth : {640, 141}) {
            const EngineRun run = runEngine(kTypeExpanded, data, 1, 34, printableWidth);
            ASSERT_EQ(run.drawingStatus, kEngineDrawn) << data;
            rasters.push_back(rasterOf(run, printableWidth == 640 ? "DataBarExp" : "DataBarExpStk"));
            expected.push_back(asRead(data));
        }
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < rasters.size(); ++i) {
        EXPECT_TRUE(results[i].found) << expected[i] << " " << rasters[i].format << " "
                                      << results[i].error;
        EXPECT_EQ(results[i].bytes, expected[i]) << rasters[i].format;
    }
}

// Rows of 2 to 22 segments: forward and reversed rows, short last rows and
// the odd last row printed forward all read back.
TEST(DataBarExpanded, StackedRowsOfEveryWidthDecode) {
    const std::string data[] = {
        "0109501101530003",
        kItem9 + "392212345",
        "10AB12345678cd#21x1yz1",
        "10AB12345678cd#21x1yz",
        "10ABCDEFGHIJKLMNOPQRST#21abcdefghijkl",
    };
    std::vector<barsize::test::TestRaster> rasters;
    std::vector<std::string> expected;
    for (int32_t segments = 2; segments <= 22; segments += 2) {
        for (const std::string &d : data) {
            const EngineRun run = runEngine(kTypeExpanded, d, 1, 34, widthForSegments(segments));
            ASSERT_EQ(run.request.segmentsPerRow, segments);
            ASSERT_EQ(run.drawingStatus, kEngineDrawn) << d << " " << segments;
            const int32_t symbolCharacters = dataCharacters(d, segments) + 1;
            const int32_t perRow = segments < symbolCharacters ? segments : symbolCharacters;
            const int32_t rows = (symbolCharacters + perRow - 1) / perRow;
            EXPECT_NE(symbolCharacters % segments, 1) << d << " " << segments;
            EXPECT_EQ(run.request.symbolHeight, rows * 34 + (rows - 1) * 3) << d << " " << segments;
            rasters.push_back(rasterOf(run, "DataBarExpStk"));
            expected.push_back(asRead(d));
        }
    }
    const auto results = barsize::test::decodeRasters(rasters);
    for (size_t i = 0; i < rasters.size(); ++i) {
        EXPECT_TRUE(results[i].found) << i << " " << expected[i] << " " << results[i].error;
        EXPECT_EQ(results[i].bytes, expected[i]) << i;
    }
}

TEST(DataBarExpanded, LayoutAndSize) {
    struct Case {
        std::string data;
        int32_t pixelsPerModule, printableWidth;
        int32_t segments, width, height;
        int32_t lastRowFirstDark;  // pixel column of the last row's first dark pixel
    };
    const Case cases[] = {
        // One row of 5 segments: 134 modules.
        {"0109501101530003", 1, 640, 24, 134, 34, 1},
        // Two-segment rows add a character: three rows of 53 modules.
        {"0109501101530003", 2, 200, 2, 106, 3 * 68 + 2 * 6, 1},
        // S = 7 in rows of 4: the last row is reversed (dark guard first).
        {kItem9 + "392212345", 2, 204, 4, 204, 2 * 68 + 6, 0},
        // S = 13 in rows of 8: the last row, odd and due to be reversed, is
        // printed forward one module to the right.
        {"10AB12345678cd#21x1yz1", 1, 204, 8, 200, 2 * 34 + 3, 2},
    };
    for (const Case &c : cases) {
        const EngineRun run = runEngine(kTypeExpanded, c.data, c.pixelsPerModule, 34, c.printableWidth);
        ASSERT_EQ(run.drawingStatus, kEngineDrawn) << c.data;
        EXPECT_EQ(run.request.segmentsPerRow, c.segments) << c.data;
        EXPECT_EQ(run.request.symbolWidth, c.width) << c.data;
        EXPECT_EQ(run.request.symbolHeight, c.height) << c.data;
        EXPECT_EQ(run.request.rasterLines, c.height) << c.data;
        EXPECT_EQ(firstDarkColumn(run, c.height - 1), c.lastRowFirstDark * c.pixelsPerModule)
            << c.data;
    }
    // Empty data is a valid symbol of three data characters.
    const EngineRun empty = runEngine(kTypeExpanded, "", 1, 34);
    EXPECT_EQ(empty.drawingStatus, kEngineDrawn);
    EXPECT_EQ(empty.request.symbolWidth, 4 + 49 + 49);
}

TEST(DataBarExpanded, FailuresDrawNothing) {
    struct Case {
        std::string data;
        int32_t status;
    };
    const Case cases[] = {
        {"10ABCDEFGHIJKLMNOPQRST#21abcdefghijklmnop", kEngineDataTooLarge},
        {std::string(2000, '1'), kEngineDataTooLarge},
        {"10AB^", kEngineBadCharacter},
        {"10ab\xc3\xa9", kEngineBadCharacter},
    };
    for (const Case &c : cases) {
        const EngineRun run = runEngine(kTypeExpanded, c.data, 1, 34);
        EXPECT_EQ(run.sizingStatus, c.status) << c.data;
        EXPECT_EQ(run.request.symbolWidth, 0) << c.data;
        EXPECT_EQ(run.request.rasterSize, 0) << c.data;
    }
}

}  // namespace
}  // namespace barsize::databar::test
