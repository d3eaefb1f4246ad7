// Validation order of getBarCodeWidth and the HRI arithmetic.
#include <gtest/gtest.h>

#include <cstring>

#include "barsize.h"
#include "linear/hri.h"

namespace {

struct Case {
    const char *data;
    int32_t length;
    int32_t symbology, module, hri, hriChar, measure;
    int32_t expected;
};

TEST(LinearDispatch, ParametersAreCheckedInOrderBeforeTheData) {
    const Case cases[] = {
        // module width: unsigned 2 to 6
        {"123", 3, 4, 1, 0, 0, 0, -3},
        {"123", 3, 4, 7, 0, 0, 0, -3},
        {"123", 3, 4, -1, 0, 0, 0, -3},
        {"123", 3, 4, 0, 9, 99, 9, -3},  // module first
        // HRI position 0 to 3
        {"123", 3, 4, 2, 4, 0, 0, -4},
        {"123", 3, 4, 2, -1, 0, 0, -4},
        // HRI character width 0 to 2 or 6 to 32
        {"123", 3, 4, 2, 0, 3, 0, -5},
        {"123", 3, 4, 2, 0, 4, 0, -5},
        {"123", 3, 4, 2, 0, 5, 0, -5},
        {"123", 3, 4, 2, 0, 33, 0, -5},
        {"123", 3, 4, 2, 0, -1, 0, -5},
        // measure 0 to 2
        {"123", 3, 4, 2, 0, 6, 3, -6},
        {"123", 3, 4, 2, 0, 32, -1, -6},
        // no text to measure: 0 whatever the data or symbology
        {"", 0, 4, 2, 0, 0, 2, 0},
        {"123", 3, 9, 2, 0, 0, 2, 0},
        // symbology, then length
        {"123", 3, 9, 2, 0, 0, 0, -10},
        {"123", 3, 74, 2, 0, 0, 0, -10},
        {"123", 3, 79, 2, 0, 0, 0, -10},
        {"123", 3, 5, 2, 0, 0, 0, -16},     // odd ITF
        {"", 0, 4, 2, 0, 0, 0, -15},        // Code 39 empty
        {"1", 1, 8, 2, 0, 0, 0, -19},       // Code 128 needs 2
        {"1234567890", 10, 0, 2, 0, 0, 0, -11},
        {"1234567890123", 13, 1, 2, 0, 0, 0, -12},
        {"12345678901", 11, 2, 2, 0, 0, 0, -13},
        {"123456789", 9, 3, 2, 0, 0, 0, -14},
        {"1", -1, 6, 2, 0, 0, 0, -17},      // negative length is below every minimum
    };
    for (const Case &c : cases) {
        EXPECT_EQ(getBarCodeWidth(c.data, c.length, c.symbology, c.module, c.hri, c.hriChar,
                                  c.measure),
                  c.expected)
            << "symbology " << c.symbology << " module " << c.module << " hri " << c.hri
            << " char " << c.hriChar << " measure " << c.measure << " length " << c.length;
    }
}

TEST(LinearDispatch, LengthLimitsAtTheirBounds) {
    static char big[300];
    std::memset(big, '1', sizeof big);
    // ITF: 256 is even but too long; 254 passes the length check.
    EXPECT_EQ(getBarCodeWidth(big, 256, 5, 2, 0, 0, 1), -16);
    EXPECT_EQ(getBarCodeWidth(big, 3, 5, 2, 0, 0, 1), -16);
    for (int32_t code = 4; code <= 8; ++code)
        EXPECT_EQ(getBarCodeWidth(big, 256, code, 2, 0, 0, 1), -11 - code) << code;
}

TEST(LinearDispatch, NullDataIsRefusedNotRead) {
    EXPECT_EQ(getBarCodeWidth(nullptr, 3, 4, 2, 0, 0, 0), BARSIZE_E_NULL_POINTER);
    EXPECT_EQ(get1DBarCodeWidth(nullptr, 13, 75, 2, 0, 0, 0), BARSIZE_E_NULL_POINTER);
    // Null with length 0 is just empty data.
    EXPECT_EQ(getBarCodeWidth(nullptr, 0, 4, 2, 0, 0, 0), -15);
}

TEST(LinearDispatch, DataBarCodesBypassLinearValidation) {
    // Codes 75 to 78 never answer with the linear parameter statuses.
    for (int32_t code = 75; code <= 78; ++code) {
        const int32_t result = getBarCodeWidth("0001234567890", 13, code, 9, 7, 99, 5);
        EXPECT_NE(result, -3) << code;
        EXPECT_NE(result, -4) << code;
        EXPECT_NE(result, -5) << code;
        EXPECT_NE(result, -6) << code;
    }
}

TEST(HriExtent, CellsPitchAndCharacterWidth) {
    using barsize::linear::hriExtent;
    struct Extent {
        int32_t cells, left, right, charWidth, module, bars, expected;
    };
    const Extent cases[] = {
        {13, 3, 3, 12, 2, 190, 180},  // UPC-A at w=2: pitch 13
        {13, 3, 3, 12, 3, 285, 271},  // UPC-A at w=3
        {6, 3, 6, 12, 2, 102, 95},    // UPC-E: pitch 14
        {5, 0, 0, 12, 2, 143, 138},   // Code 39 "123": pitch 28
        {0, 0, 0, 12, 2, 100, 0},     // no cells, no text
        {-1, 0, 0, 12, 2, 100, 0},
        // Bars narrower than the excluded modules: pitch (40 - 48) / 3 truncates to
        // -2, extent 22 - 4 - 1 + 8.
        {3, 11, 13, 8, 2, 40, 25},
    };
    for (const Extent &e : cases) {
        EXPECT_EQ(hriExtent(e.cells, e.left, e.right, e.charWidth, e.module, e.bars), e.expected)
            << e.cells << " cells, " << e.bars << " dots";
    }
}

}  // namespace
