// The symbol engine: dispatch, size record, row printer and separator rows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "databar/engine.h"
#include "unit/databar/databar_test_util.h"

namespace barsize::databar {
namespace {

const char kZeros[] = "0000000000000";

TEST(DataBarEngine, RejectsUnknownTypesAndModesAndOverlongData) {
    for (uint32_t type : {0u, 7u, 0xFFFFFFFFu}) {
        DataBarRequest r = makeRequest(type, kZeros);
        r.symbolWidth = r.symbolHeight = r.bytesPerRow = r.rasterLines = r.rasterSize = 99;
        EXPECT_EQ(runDataBarEngine(r), kEngineBadType) << type;
        EXPECT_EQ(r.symbolWidth | r.symbolHeight | r.bytesPerRow | r.rasterLines | r.rasterSize, 0);
    }
    DataBarRequest badMode = makeRequest(kTypeOmni, kZeros);
    badMode.outputMode = 1;
    EXPECT_EQ(runDataBarEngine(badMode), kEngineBadOutputMode);

    static char longData[3000];
    std::memset(longData, '1', sizeof longData - 1);
    DataBarRequest tooLong = makeRequest(kTypeExpanded, longData);
    tooLong.dataLength = 2436;
    EXPECT_EQ(runDataBarEngine(tooLong), kEngineDataLength);
}

TEST(DataBarEngine, SizingPassWritesNothingAndBothPassesAgree) {
    for (uint32_t type : {kTypeOmni, kTypeTruncated, kTypeStacked, kTypeStackedOmni}) {
        DataBarRequest r = makeRequest(type, "0950110153000", 2);
        std::vector<uint8_t> untouched(20000, 0xAB);
        r.raster = untouched.data();
        EXPECT_EQ(runDataBarEngine(r), kEngineSized);
        EXPECT_EQ(untouched, std::vector<uint8_t>(20000, 0xAB));
        const DataBarRequest sized = r;
        std::vector<uint8_t> raster;
        EXPECT_GE(runBothPasses(r, raster), 0);
        EXPECT_EQ(r.symbolWidth, sized.symbolWidth);
        EXPECT_EQ(r.symbolHeight, sized.symbolHeight);
        EXPECT_EQ(r.bytesPerRow, sized.bytesPerRow);
        EXPECT_EQ(r.rasterLines, sized.rasterLines);
        EXPECT_EQ(r.rasterSize, sized.rasterSize);
        EXPECT_EQ(r.bytesPerRow, (r.symbolWidth + 7) / 8);
        EXPECT_EQ(r.rasterSize, r.symbolHeight * (r.bytesPerRow + 8));
        // Exactly rasterLines lines of bytesPerRow bytes were written.
        EXPECT_EQ(engineState().rasterOffset,
                  static_cast<uint32_t>(r.rasterLines * r.bytesPerRow)) << type;
    }
}

TEST(DataBarEngine, SegmentsPerRow) {
    struct Case { int32_t width, module, segments; };
    const Case cases[] = {{640, 3, 8}, {640, 8, 2}, {100, 3, 2}, {640, 1, 24}, {141, 3, 2}};
    for (const Case &c : cases)
        EXPECT_EQ(expandedSegmentsPerRow(c.width, c.module), c.segments) << c.width << "/" << c.module;
}

// Prints one row at the start of a symbol into a fresh raster.
std::vector<uint8_t> printOne(const ElementRow &row, int32_t module, int32_t barReduction,
                              int32_t &bytes) {
    DataBarRequest r = makeRequest(kTypeOmni, "", module);
    r.barReduction = barReduction;
    static std::vector<uint8_t> raster;
    raster.assign(4096, 0);
    r.raster = raster.data();
    r.rasterSize = 4096;
    r.outputMode = kOutputDraw;
    engineState().rasterOffset = 0;
    engineState().status = 0;
    engineState().newSymbolPending = true;
    bytes = printElementRow(r, row);
    return raster;
}

TEST(DataBarRowPrinter, PixelsAndBytes) {
    const uint8_t widths[] = {1, 2, 3};
    ElementRow row = {};
    row.elementCount = 3;
    row.lightFirst = 1;
    row.lineCount = 1;
    row.widths = widths;
    int32_t bytes = 0;
    std::vector<uint8_t> raster = printOne(row, 2, 0, bytes);
    EXPECT_EQ(bytes, 2);
    EXPECT_EQ(raster[0], 0x3C);
    EXPECT_EQ(raster[1], 0x00);

    // Reversed: elements last to first, each keeping its colour.
    row.reversed = 1;
    raster = printOne(row, 1, 0, bytes);
    EXPECT_EQ(lineBits(raster.data(), bytes, 6, 0), "000110");

    // Guards and pads.
    row.reversed = 0;
    row.guards = 1;
    row.leftPad = 2;
    row.rightPad = 1;
    raster = printOne(row, 1, 0, bytes);
    EXPECT_EQ(lineBits(raster.data(), bytes, 13, 0), "0001011000100");
}

TEST(DataBarRowPrinter, BarReductionKeepsTheRowWidth) {
    const uint8_t widths[] = {2, 1, 2, 1};
    ElementRow row = {};
    row.elementCount = 4;
    row.lightFirst = 0;
    row.lineCount = 1;
    row.widths = widths;
    int32_t bytes = 0;
    const std::vector<uint8_t> raster = printOne(row, 3, 1, bytes);
    EXPECT_EQ(runLengths(lineBits(raster.data(), bytes, 18, 0)), (std::vector<int>{5, 4, 5, 4}));

    // With guards (an even row, light first): the dark guard loses a pixel too.
    row.lightFirst = 1;
    row.guards = 1;
    const std::vector<uint8_t> guarded = printOne(row, 3, 1, bytes);
    EXPECT_EQ(runLengths(lineBits(guarded.data(), bytes, 30, 0)),
              (std::vector<int>{4, 2, 7, 2, 7, 2, 4, 2}));
}

TEST(DataBarRowPrinter, UndercutLinesShowOnlyWhatTheLineAboveShares) {
    const uint8_t first[] = {2, 4, 2};   // 00111100
    const uint8_t second[] = {1, 4, 3};  // 01111000
    ElementRow a = {}, b = {};
    a.elementCount = b.elementCount = 3;
    a.lightFirst = b.lightFirst = 1;
    a.lineCount = b.lineCount = 3;
    a.widths = first;
    b.widths = second;
    DataBarRequest r = makeRequest(kTypeOmni, "", 1);
    r.undercutLines = 1;
    std::vector<uint8_t> raster(64, 0);
    r.raster = raster.data();
    r.rasterSize = 64;
    r.outputMode = kOutputDraw;
    engineState().rasterOffset = 0;
    engineState().status = 0;
    engineState().newSymbolPending = true;
    printElementRow(r, a);
    printElementRow(r, b);
    const uint8_t expected[] = {0x00, 0x3C, 0x3C, 0x38, 0x78, 0x78};
    EXPECT_EQ(std::vector<uint8_t>(raster.begin(), raster.begin() + 6),
              std::vector<uint8_t>(expected, expected + 6));
    EXPECT_EQ(engineState().rasterOffset, 6u);
}

TEST(DataBarRowPrinter, OverlongLineFailsWithoutWriting) {
    const uint8_t widths[] = {200, 200};
    ElementRow row = {};
    row.elementCount = 2;
    row.lineCount = 1;
    row.widths = widths;
    int32_t bytes = 0;
    const std::vector<uint8_t> raster = printOne(row, 141, 0, bytes);  // 56,400 pixels
    EXPECT_EQ(bytes, 0);
    EXPECT_EQ(engineState().status, kEngineLineTooLong);
    EXPECT_EQ(engineState().rasterOffset, 0u);
}

ElementRow guardedRow(const uint8_t *widths, int32_t count, bool lightFirst) {
    ElementRow row = {};
    row.elementCount = count;
    row.guards = 1;
    row.lightFirst = lightFirst ? 1 : 0;
    row.lineCount = 10;
    row.widths = widths;
    return row;
}

std::vector<int> separatorWidths(const ElementRow &row) {
    const DataBarRequest r = makeRequest(kTypeOmni, "", 1);
    const ElementRow &s = makeSeparatorRow(r, row);
    EXPECT_EQ(s.lightFirst, 1);
    EXPECT_EQ(s.guards, 0);
    EXPECT_EQ(rowBits(s).size(), rowBits(row).size());
    return std::vector<int>(s.widths, s.widths + s.elementCount);
}

TEST(DataBarSeparatorRow, LightEndsComplementAndFinderCores) {
    // Light 3, dark 1 first: light 4, dark 1, light 1, then the complement.
    const uint8_t plain[] = {3, 1, 2, 2, 1, 3};
    EXPECT_EQ(separatorWidths(guardedRow(plain, 6, true)), (std::vector<int>{4, 1, 1, 2, 2, 1, 5}));

    // A dark element reaching 5 modules first: one light element of the count.
    const uint8_t darkFirst[] = {3, 2, 2, 1, 1, 2};
    EXPECT_EQ(separatorWidths(guardedRow(darkFirst, 6, false)), (std::vector<int>{5, 2, 2, 1, 5}));

    // A finder core light 3, dark 8, light 2 under the complement of its row.
    const uint8_t finder[] = {1, 2, 3, 8, 2, 1, 1, 2, 2, 3};
    EXPECT_EQ(separatorWidths(guardedRow(finder, 10, true)),
              (std::vector<int>{5, 1, 1, 1, 8, 1, 2, 1, 2, 2, 5}));

    // Dark 9, light 1, dark 3 (a reversed finder): light 10, dark 1, light 2.
    const uint8_t reversedFinder[] = {2, 3, 9, 1, 3, 2, 3};
    EXPECT_EQ(separatorWidths(guardedRow(reversedFinder, 7, false)),
              (std::vector<int>{4, 3, 10, 1, 2, 2, 5}));

    // Light 5, dark 5, light 3: both light elements alternate, from dark.
    const uint8_t wide[] = {2, 3, 5, 5, 3, 3};
    EXPECT_EQ(separatorWidths(guardedRow(wide, 6, true)),
              (std::vector<int>{7, 1, 1, 1, 1, 1, 5, 1, 1, 1, 5}));
    // Dark 5, light 5, dark 3: the light one alternates; ends dark, then light 4.
    EXPECT_EQ(separatorWidths(guardedRow(wide, 6, false)),
              (std::vector<int>{4, 3, 5, 1, 1, 1, 1, 1, 3, 1, 4}));
}

}  // namespace
}  // namespace barsize::databar
