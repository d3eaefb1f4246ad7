// The bar row: element widths, position arithmetic and the painted dots.
#include <gtest/gtest.h>

#include "linear/bar_row.h"

namespace barsize::linear {
namespace {

TEST(BarRow, WideElementIsTwoAndAHalfModulesRoundedUp) {
    const int32_t expected[7] = {0, 0, 5, 8, 10, 13, 15};
    for (int32_t w = 2; w <= 6; ++w) EXPECT_EQ(wideWidth(w), expected[w]) << "w=" << w;
}

TEST(BarRow, AppendsAdvanceByTheirWidths) {
    struct Case {
        int32_t w;
        int kind;  // 0 elements, 1 modules, 2 digit pair
        uint16_t a;
        uint16_t b;
        int n;
        int32_t advance;
    };
    const Case cases[] = {
        {3, 0, 0x4A00, 0, 10, 45},  // Code 39 start with gap: 3 wide + 7 narrow
        {3, 0, 0x4A00, 0, 9, 42},   // stop without gap
        {2, 1, 0xA000, 0, 3, 6},    // modules: n * w whatever the bits
        {2, 1, 0x5000, 0, 5, 10},
        {5, 2, 0x30, 0x88, 0, 82},  // ITF 0 and 1: 4 wide, 6 narrow
    };
    for (const Case &c : cases) {
        resetBarRow(c.w);
        int32_t end = 0;
        if (c.kind == 0) end = appendElements(c.a, c.n);
        if (c.kind == 1) end = appendModules(c.a, c.n);
        if (c.kind == 2) end = appendDigitPair(static_cast<uint8_t>(c.a), static_cast<uint8_t>(c.b));
        EXPECT_EQ(end, c.advance) << "kind " << c.kind << " pattern " << c.a;
        EXPECT_EQ(barRow.position, c.advance);
    }
}

std::string paintedDots() {
    std::string dots;
    for (int32_t x = 0; x < barRow.position; ++x) dots.push_back(barRowDot(barRow, x) ? '1' : '0');
    return dots;
}

TEST(BarRow, PaintsBarsAndLeavesSpaces) {
    resetBarRow(2);
    appendElements(0x4000, 3);  // narrow bar, wide space, narrow bar
    appendModules8(0xA0, 3);    // bar, space, bar
    appendDigitPair(0x80, 0x00);  // wide bar first, then narrow elements
    EXPECT_EQ(paintedDots(),
              "11" "00000" "11"
              "11" "00" "11"
              "11111" "00" "11" "00" "11" "00" "11" "00" "11" "00");
}

TEST(BarRow, ResetClearsThePreviousSymbol) {
    resetBarRow(6);
    appendModules(0xFFFF, 16);
    resetBarRow(2);
    appendModules(0x0000, 16);
    EXPECT_EQ(paintedDots(), std::string(32, '0'));
}

TEST(BarRow, CountsBeyondThePaintedImageWithoutWriting) {
    resetBarRow(6);
    for (int i = 0; i < kBarRowMaxDots / 96 + 10; ++i) appendModules(0xFFFF, 16);
    EXPECT_GT(barRow.position, kBarRowMaxDots);
    EXPECT_TRUE(barRowDot(barRow, kBarRowMaxDots - 1));
    EXPECT_FALSE(barRowDot(barRow, kBarRowMaxDots));
    resetBarRow(2);
    EXPECT_EQ(barRow.position, 0);
}

}  // namespace
}  // namespace barsize::linear
