// The PDF417 entry: parameter normalisation, statuses, reported sizes, the
// raster bytes and the raster page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "barsize.h"
#include "pdf417/codeword_patterns.h"
#include "pdf417/pdf417.h"
#include "pdf417/raster_page.h"

namespace barsize::pdf417 {
namespace {

struct Encoded {
    int32_t result = 0;
    int16_t status = 0, width = 0, height = 0;
    SymbolImage image = {};
};

Encoded encode(const std::string &data, const Pdf417Params &p, int32_t length = -1) {
    Encoded e;
    e.result = getBarCodeWidth2D(data.data(), length < 0 ? static_cast<int32_t>(data.size()) : length,
                                 48, 0, &p, &e.width, &e.height, &e.status, &e.image);
    return e;
}

Pdf417Params abcParams(uint16_t options = 0) { return Pdf417Params{0, 0, 3, 3, 48, 49, options}; }

TEST(Pdf417Entry, NoDataIsRefused) {
    const std::string big(65533, 'A');
    const struct {
        const std::string *data;
        int32_t length;
    } cases[] = {{&big, 0}, {&big, 65536}, {&big, 65533}};
    for (const auto &c : cases) {
        const Encoded e = encode(*c.data, abcParams(), c.length);
        EXPECT_EQ(e.result, -1) << c.length;
        EXPECT_EQ(e.status, -4) << c.length;
    }
    // 65,532 bytes are data: they do not fit, which is another failure.
    EXPECT_EQ(encode(big, abcParams(), 65532).status, -11);
}

TEST(Pdf417Entry, ParametersAreNormalised) {
    const std::string data = "PDF417 normalisation 0123456789";
    struct Case {
        const char *name;
        Pdf417Params given;
        Pdf417Params same;
    };
    const Case cases[] = {
        {"columns above 30", {31, 0, 1, 3, 0, 2, 0}, {30, 0, 1, 3, 0, 2, 0}},
        {"rows 1 is automatic", {0, 1, 3, 3, 0, 2, 0}, {0, 0, 3, 3, 0, 2, 0}},
        {"rows 2 is automatic", {4, 2, 3, 3, 0, 2, 0}, {4, 0, 3, 3, 0, 2, 0}},
        {"rows above 90", {2, 95, 3, 3, 0, 2, 0}, {2, 90, 3, 3, 0, 2, 0}},
        {"module 0", {0, 0, 0, 3, 0, 2, 0}, {0, 0, 3, 3, 0, 2, 0}},
        {"module 9", {0, 0, 9, 3, 0, 2, 0}, {0, 0, 3, 3, 0, 2, 0}},
        {"row height 0", {0, 0, 2, 0, 0, 2, 0}, {0, 0, 2, 3, 0, 2, 0}},
        {"row height 9", {0, 0, 2, 9, 0, 2, 0}, {0, 0, 2, 3, 0, 2, 0}},
        {"level digit 8", {0, 0, 2, 3, 48, 57, 0}, {0, 0, 2, 3, 0, 8, 0}},
        {"level above 8", {0, 0, 2, 3, 0, 15, 0}, {0, 0, 2, 3, 0, 8, 0}},
        {"ratio 0 is 10 %", {0, 0, 2, 3, 49, 0, 0}, {0, 0, 2, 3, 1, 1, 0}},
        {"ratio above 400 %", {0, 0, 2, 3, 49, 41, 0}, {0, 0, 2, 3, 1, 40, 0}},
        {"options 2 is standard", {0, 0, 2, 3, 0, 2, 2}, {0, 0, 2, 3, 0, 2, 0}},
    };
    for (const Case &c : cases) {
        const Encoded a = encode(data, c.given);
        const Pdf417Summary given = lastPdf417Summary();
        const Encoded b = encode(data, c.same);
        const Pdf417Summary same = lastPdf417Summary();
        ASSERT_EQ(a.result, 0) << c.name;
        ASSERT_EQ(b.result, 0) << c.name;
        EXPECT_EQ(a.width, b.width) << c.name;
        EXPECT_EQ(a.height, b.height) << c.name;
        EXPECT_EQ(std::memcmp(&given, &same, sizeof given), 0) << c.name;
    }
    encode(data, {0, 0, 2, 3, 48, 57, 0});
    EXPECT_EQ(lastPdf417Summary().level, 8);
}

TEST(Pdf417Entry, ReportsTheSymbolOfABC) {
    struct Case {
        Pdf417Params p;
        uint16_t columns, level, pads;
    };
    const Case cases[] = {
        {abcParams(0), 8, 1, 17},
        {abcParams(1), 10, 1, 23},                 // truncated: 17 x 10 + 35 = 205 modules
        {Pdf417Params{0, 0, 3, 3, 49, 1, 0}, 8, 3, 5},  // 10 %: raised to level 3
    };
    for (const Case &c : cases) {
        const Encoded e = encode("ABC", c.p);
        ASSERT_EQ(e.result, 0);
        EXPECT_EQ(e.status, 0);
        EXPECT_EQ(e.width, 620);
        EXPECT_EQ(e.height, 27);
        const SymbolImage &im = e.image;
        EXPECT_EQ(im.width, 615);
        EXPECT_EQ(im.height, 27);
        EXPECT_EQ(im.bytesPerRow, 77);
        EXPECT_EQ(im.rowCount, 27);
        EXPECT_EQ(im.scaleX, 1);
        EXPECT_EQ(im.scaleY, 1);
        EXPECT_EQ(im.extraTopRows, 0);
        EXPECT_EQ(im.extraBottomRows, 0);
        EXPECT_EQ(im.extraWidth, 5);
        EXPECT_EQ(im.reserved, 0);
        EXPECT_EQ(im.pixels, rasterPage.lineStore);
        const Pdf417Summary &s = lastPdf417Summary();
        EXPECT_EQ(s.rows, 3);
        EXPECT_EQ(s.dataColumns, c.columns);
        EXPECT_EQ(s.level, c.level);
        EXPECT_EQ(s.padCodewords, c.pads);
    }
}

TEST(Pdf417Entry, StatusesAndUntouchedOutputs) {
    struct Case {
        const char *name;
        std::string data;
        Pdf417Params p;
        int16_t status;
    };
    const Case cases[] = {
        {"error correction leaves one codeword", "A", {1, 3, 3, 3, 0, 0, 0}, -17},
        {"fixed layout over 928 codewords", "A", {30, 90, 3, 3, 0, 0, 0}, -7},
        {"module 8 standard is wider than the page", "A", {0, 0, 8, 3, 0, 0, 0}, -7},
        {"60 %: capacity level 7, symbol level 8", std::string(803, '\x80'), {0, 0, 1, 3, 1, 6, 0}, -7},
        {"data over the capacity", std::string(2000, 'a'), {0, 0, 2, 3, 0, 0, 0}, -11},
    };
    for (const Case &c : cases) {
        Encoded e;
        e.width = 111;
        e.height = 222;
        e.image.width = 333;
        e.result = getBarCodeWidth2D(c.data.data(), static_cast<int32_t>(c.data.size()), 48, 0,
                                     &c.p, &e.width, &e.height, &e.status, &e.image);
        EXPECT_EQ(e.result, -1) << c.name;
        EXPECT_EQ(e.status, c.status) << c.name;
        EXPECT_EQ(e.width, 111) << c.name;
        EXPECT_EQ(e.height, 222) << c.name;
        EXPECT_EQ(e.image.width, 333) << c.name;
    }
}

TEST(Pdf417Entry, CapacityJustFitsAndOneByteOver) {
    // Bytes 0x80: R - 1 codewords after the latch carry mod 5 + 6 div 5 bytes.
    struct Case {
        const char *name;
        Pdf417Params p;
        size_t fits;
    };
    const Case cases[] = {
        {"automatic, level 8: 416 codewords", {0, 0, 1, 3, 0, 8, 0}, 496},
        {"automatic, level 0: 926 codewords", {0, 0, 1, 3, 0, 0, 0}, 1108},
        {"fixed 10 x 10, level 2: 92 codewords", {10, 10, 2, 3, 0, 2, 0}, 108},
        {"fixed 3 x 2, level 0: 4 codewords", {2, 3, 2, 3, 0, 0, 0}, 2},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encode(std::string(c.fits, '\x80'), c.p).status, 0) << c.name;
        EXPECT_EQ(encode(std::string(c.fits + 1, '\x80'), c.p).status, -11) << c.name;
    }
}

TEST(Pdf417Raster, LinesOfTheABCSymbol) {
    const Encoded e = encode("ABC", abcParams());
    ASSERT_EQ(e.result, 0);
    const uint8_t *lines = static_cast<const uint8_t *>(e.image.pixels);
    const uint8_t start[6] = {0xFF, 0xFF, 0xFF, 0x1C, 0x71, 0xC0};
    for (int y = 0; y < 27; ++y) {
        const uint8_t *line = lines + y * 77;
        EXPECT_EQ(std::memcmp(line, start, 6), 0) << y;
        EXPECT_EQ(line[76], 0x0E) << y;
        // Nine identical lines per row; the next row differs.
        const uint8_t *rowFirst = lines + (y / 9) * 9 * 77;
        EXPECT_EQ(std::memcmp(line, rowFirst, 77), 0) << y;
    }
    EXPECT_NE(std::memcmp(lines, lines + 9 * 77, 77), 0);
}

// Module m of a raster line drawn at `moduleWidth` dots per module.
bool moduleAt(const uint8_t *line, int moduleWidth, int m) {
    const int dot = m * moduleWidth;
    return (line[dot >> 3] >> (7 - (dot & 7))) & 1;
}

uint32_t modulesAt(const uint8_t *line, int moduleWidth, int first, int count) {
    uint32_t bits = 0;
    for (int i = 0; i < count; ++i) bits = (bits << 1) | moduleAt(line, moduleWidth, first + i);
    return bits;
}

TEST(Pdf417Raster, RowsHoldTheirCodewordsInTheirCluster) {
    // Reads every line back at module resolution: start, the row's codewords
    // in cluster (row mod 3), stop; a truncated row has no right indicator and
    // a one-module stop bar.
    const std::string data = "Rows 0 to 6 cycle through clusters 0, 3 and 6 \x01\x02\x03";
    const Pdf417Params cases[] = {
        {5, 9, 1, 1, 0, 2, 0}, {5, 9, 2, 2, 0, 2, 1}, {4, 12, 5, 1, 0, 1, 1}, {0, 0, 4, 2, 0, 3, 0},
    };
    for (const Pdf417Params &p : cases) {
        const Encoded e = encode(data, p);
        ASSERT_EQ(e.result, 0);
        const Pdf417Summary &s = lastPdf417Summary();
        const bool truncated = p.options == 1;
        const int perRow = s.dataColumns + (truncated ? 1 : 2);
        const int widthModules = 17 * s.dataColumns + (truncated ? 35 : 69);
        ASSERT_EQ(e.image.width, widthModules * p.moduleWidth);
        ASSERT_EQ(e.image.rowCount, s.rows * p.moduleWidth * p.rowHeight);
        const uint16_t *matrix = lastPdf417Matrix();
        for (int y = 0; y < e.image.rowCount; ++y) {
            const int row = y / (p.moduleWidth * p.rowHeight);
            const uint8_t *line = static_cast<const uint8_t *>(e.image.pixels) + y * e.image.bytesPerRow;
            EXPECT_EQ(modulesAt(line, p.moduleWidth, 0, 17), 0x1FEA8u) << y;  // 8 1 1 1 1 1 1 3
            for (int i = 0; i < perRow; ++i) {
                const uint16_t codeword = matrix[row * perRow + i];
                const uint32_t expected = 0x10000u | kCodewordPatterns[row % 3][codeword];
                ASSERT_EQ(modulesAt(line, p.moduleWidth, 17 + 17 * i, 17), expected)
                    << "line " << y << " entry " << i;
            }
            const int stopAt = 17 + 17 * perRow;
            if (truncated) {
                EXPECT_EQ(widthModules - stopAt, 1);
                EXPECT_TRUE(moduleAt(line, p.moduleWidth, stopAt));
            } else {
                EXPECT_EQ(modulesAt(line, p.moduleWidth, stopAt, 18), 0x3FA29u) << y;  // 7 1 1 3 1 1 1 2 1
            }
        }
    }
}

TEST(Pdf417Raster, PageAppendsRowsBackToBack) {
    uint8_t row[77];
    clearRows();
    for (int i = 0; i < 3; ++i) {
        std::memset(row, i + 1, sizeof row);
        ASSERT_EQ(appendRow(row, 77), 0);
    }
    EXPECT_EQ(rasterPage.lineCount, 3);
    EXPECT_EQ(rasterPage.lineBytes, 77);
    EXPECT_EQ(rasterPage.lineStore[0], 1);
    EXPECT_EQ(rasterPage.lineStore[77], 2);
    EXPECT_EQ(rasterPage.lineStore[154], 3);
    clearRows();
    EXPECT_EQ(rasterPage.lineCount, 0);
    EXPECT_EQ(rasterPage.lineBytes, 77);
    // A row that would pass the end of the store is refused whole.
    rasterPage.writeOffset = kRasterPageBytes - 10;
    EXPECT_EQ(appendRow(row, 77), -1);
    EXPECT_EQ(rasterPage.lineCount, 0);
    clearRows();
}

TEST(Pdf417Raster, TheLargestRasterIsHandedOverWhole) {
    // 90 rows of 10 data columns at module width 8 and row height 8:
    // 239 modules, 239 bytes a line, 5,760 lines.
    const Pdf417Params p = {10, 90, 8, 8, 0, 0, 0};
    BarsizeBlock block = nullptr;
    SymbolImage image = {};
    image.pixels = &block;
    int16_t width = 0, height = 0, status = 0;
    ASSERT_EQ(get2DBarCodeWidth("A", 1, 48, 0, &p, &width, &height, &status, &image), 0);
    EXPECT_EQ(width, 239 * 8 + 5);
    EXPECT_EQ(height, 5760);
    EXPECT_EQ(image.bytesPerRow, 239);
    EXPECT_EQ(image.rowCount, 5760);
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(barsizeBlockSize(block), 1376640u);
    const uint8_t *copy = barsizeBlockBytes(block);
    EXPECT_EQ(std::memcmp(copy, image.pixels, 1376640), 0);
    // The last line still ends with the stop pattern's final bar.
    EXPECT_EQ(copy[1376640 - 1], 0xFF);
    barsizeBlockFree(block);
}

}  // namespace
}  // namespace barsize::pdf417
