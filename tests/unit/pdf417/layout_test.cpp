// Layout: capacity, rows and columns, row indicators and the matrix.
#include <gtest/gtest.h>

#include <vector>

#include "pdf417/layout.h"
#include "pdf417/parameters.h"

namespace barsize::pdf417 {
namespace {

CodewordList list;
Pdf417Layout layout;

Pdf417Params params(uint16_t columns, uint16_t rows, uint16_t moduleWidth, uint16_t level,
                    uint16_t options = 0) {
    return Pdf417Params{columns, rows, moduleWidth, 3, 0, level, options};
}

struct Shape {
    int32_t status;
    uint16_t rows;
    uint16_t columns;
};

// Lays out `dataCount` data codewords (descriptor included).
Shape shapeFor(const Pdf417Params &p, uint16_t dataCount) {
    Pdf417Settings settings;
    settingsFromParams(p, settings);
    list.count = dataCount;
    const int32_t status = chooseLayout(settings, list, layout);
    if (status != 0) return {status, 0, 0};
    return {0, layout.symbolRows, layout.dataColumns};
}

TEST(Pdf417Layout, ChoosesRowsAndColumns) {
    struct Case {
        const char *name;
        Pdf417Params p;
        uint16_t dataCount;
        Shape expected;
    };
    const Case cases[] = {
        {"widest that fits 213 modules", params(0, 0, 3, 1), 3, {0, 3, 8}},
        {"truncated fits two more columns", params(0, 0, 3, 1, 1), 3, {0, 3, 10}},
        {"module 1: 30 columns, never under 3 rows", params(0, 0, 1, 1), 3, {0, 3, 30}},
        {"module 8: even one column is too wide", params(0, 0, 8, 1), 3, {-7, 0, 0}},
        {"module 8 truncated: two columns", params(0, 0, 8, 1, 1), 3, {0, 4, 2}},
        {"requested columns", params(2, 0, 3, 1), 3, {0, 4, 2}},
        {"requested column needs 100 rows", params(1, 0, 3, 1), 96, {-7, 0, 0}},
        {"requested columns ignore the page", params(30, 0, 8, 1), 3, {0, 3, 30}},
        {"requested rows", params(0, 10, 3, 1), 3, {0, 10, 8}},
        {"requested rows too few", params(0, 3, 3, 1), 26, {-7, 0, 0}},
        {"requested rows up to 928 codewords", params(0, 66, 2, 1), 3, {0, 66, 14}},
        {"requested rows beyond 928 codewords", params(0, 67, 2, 1), 3, {0, 3, 14}},
        {"requested rows 90 beyond 928 codewords", params(0, 90, 2, 1), 3, {0, 3, 14}},
        {"fixed", params(5, 20, 3, 2), 3, {0, 20, 5}},
        {"fixed over 928 codewords", params(30, 90, 3, 2), 3, {-7, 0, 0}},
        {"automatic over 928 codewords", params(0, 0, 1, 8), 417, {-7, 0, 0}},
        {"automatic at 928 codewords", params(0, 0, 1, 8), 416, {0, 32, 29}},
    };
    for (const Case &c : cases) {
        const Shape s = shapeFor(c.p, c.dataCount);
        EXPECT_EQ(s.status, c.expected.status) << c.name;
        EXPECT_EQ(s.rows, c.expected.rows) << c.name;
        EXPECT_EQ(s.columns, c.expected.columns) << c.name;
    }
}

TEST(Pdf417Layout, CapacityBeforeCompaction) {
    struct Case {
        Pdf417Params p;
        int32_t status;
        uint16_t dataCapacity;
    };
    const Case cases[] = {
        {params(1, 3, 3, 0), -17, 0},        // 2 codewords would leave 1 for data
        {params(2, 3, 3, 0), 0, 4},
        {params(30, 90, 3, 2), 0, 2692},     // checked by the layout later
        {params(0, 0, 3, 8), 0, 416},
        {Pdf417Params{0, 0, 3, 3, 1, 1, 0}, 0, 864},   // 10 %: level 5
        {Pdf417Params{0, 0, 3, 3, 1, 40, 0}, 0, 416},  // 400 %: level 8
    };
    for (const Case &c : cases) {
        Pdf417Settings settings;
        settingsFromParams(c.p, settings);
        list.count = 77;
        EXPECT_EQ(fixCapacity(settings, list), c.status);
        EXPECT_EQ(list.count, 1);
        if (c.status == 0) {
            EXPECT_EQ(list.dataCapacity, c.dataCapacity);
        }
    }
}

// Builds the matrix for the codewords given (descriptor slot first).
void buildWith(const Pdf417Params &p, const std::vector<uint16_t> &data) {
    Pdf417Settings settings;
    settingsFromParams(p, settings);
    std::copy(data.begin(), data.end(), list.items);
    list.count = static_cast<uint16_t>(data.size());
    ASSERT_EQ(buildMatrix(settings, list, layout), 0);
    EXPECT_EQ(list.count, data.size());
}

TEST(Pdf417Layout, CompleteMatrixOfABC) {
    buildWith(params(0, 0, 3, 1), {0, 1, 89});
    const std::vector<uint16_t> expected = {
        0, 20,  1,   89,  900, 900, 900, 900, 900, 7,                             //
        5, 900, 900, 900, 900, 900, 900, 900, 900, 0,                             //
        7, 900, 900, 900, 900, 671, 848, 318, 316, 5};
    EXPECT_EQ(std::vector<uint16_t>(layout.matrix, layout.matrix + 30), expected);
    EXPECT_EQ(layout.pads, 17);
    EXPECT_EQ(layout.level, 1);
}

TEST(Pdf417Layout, RowIndicators) {
    // Ratio 10 % raises a 3 x 8 symbol holding ABC to level 3.
    buildWith(Pdf417Params{0, 0, 3, 3, 1, 1, 0}, {0, 1, 89});
    ASSERT_EQ(layout.level, 3);
    EXPECT_EQ(layout.pads, 5);
    const uint16_t *m = layout.matrix;
    EXPECT_EQ((std::vector<uint16_t>{m[0], m[9], m[10], m[19], m[20], m[29]}),
              (std::vector<uint16_t>{0, 7, 11, 0, 7, 11}));
    // Fixed 84 x 11 standard: the largest matrix, groups of three rows count by 30.
    buildWith(params(11, 84, 3, 4), {0, 1, 89});
    EXPECT_EQ(layout.columnsWithIndicators, 13);
    const uint16_t *last = layout.matrix + 83 * 13;
    // Row 83 is the third of group 27: columns on the left, level and rows on the right.
    EXPECT_EQ(last[0], 27 * 30 + 10);
    EXPECT_EQ(last[12], 27 * 30 + 3 * 4 + 83 % 3);
    // Truncated: one indicator per row, on the left.
    buildWith(params(4, 5, 3, 0, 1), {0, 1, 89});
    EXPECT_EQ(layout.columnsWithIndicators, 5);
    EXPECT_EQ(layout.matrix[5], 1);  // row 1: level 0 and (5 - 1) mod 3
}

}  // namespace
}  // namespace barsize::pdf417
