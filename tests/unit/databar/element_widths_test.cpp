// Element-width combinatorics and the 64-bit symbol values.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "databar/element_widths.h"

namespace barsize::databar {
namespace {

TEST(DataBarCombinations, BinomialCoefficients) {
    struct Case { int n, r, expected; };
    const Case cases[] = {{5, 2, 10}, {4, 0, 1}, {17, 5, 6188}, {17, 12, 6188}, {8, 8, 1},
                          {3, 4, 0}, {3, -1, 0}};
    for (const Case &c : cases) EXPECT_EQ(combinations(c.n, c.r), c.expected) << c.n << "," << c.r;
}

std::vector<int> widthsOf(const ElementWidthSet &set, int elements) {
    return std::vector<int>(set.widths, set.widths + elements);
}

TEST(DataBarElementWidths, KnownSets) {
    EXPECT_EQ(widthsOf(elementWidths(0, 4, 4, 1, true), 4), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(widthsOf(elementWidths(0, 12, 4, 8, true), 4), (std::vector<int>{1, 1, 2, 8}));
    EXPECT_EQ(widthsOf(elementWidths(160, 12, 4, 8, true), 4), (std::vector<int>{8, 2, 1, 1}));
}

// Every value of every character set used by the 4- and 7-element symbol
// types yields a distinct set of widths that sum to the module count, stay
// within the widest width and, unless narrow-free, hold a one-module element.
TEST(DataBarElementWidths, EveryValueOfEverySetIsDistinctAndValid) {
    struct Set { int modules, elements, widest; bool narrowFree; int values; };
    const Set sets[] = {
        // Omnidirectional outer and inner characters: quotient and remainder sets.
        {12, 4, 8, true, 161}, {4, 4, 1, false, 1},   {10, 4, 6, true, 80},
        {6, 4, 3, false, 10},  {8, 4, 4, true, 31},   {8, 4, 5, false, 34},
        {6, 4, 3, true, 10},   {10, 4, 6, false, 70}, {4, 4, 1, true, 1},
        {12, 4, 8, false, 126}, {10, 4, 7, true, 84}, {5, 4, 2, false, 4},
        {8, 4, 5, true, 35},   {7, 4, 4, false, 20},  {6, 4, 3, true, 10},
        {9, 4, 6, false, 48},  {4, 4, 1, true, 1},    {11, 4, 8, false, 81},
        // A Limited character set (7 elements).
        {17, 7, 6, true, 6538}, {9, 7, 3, false, 28},
    };
    for (const Set &s : sets) {
        std::set<std::vector<int>> seen;
        for (int v = 0; v < s.values; ++v) {
            const std::vector<int> w =
                widthsOf(elementWidths(v, s.modules, s.elements, s.widest, s.narrowFree), s.elements);
            int sum = 0;
            bool narrow = false;
            for (int x : w) {
                EXPECT_GE(x, 1);
                EXPECT_LE(x, s.widest) << "modules " << s.modules << " value " << v;
                sum += x;
                narrow = narrow || x == 1;
            }
            EXPECT_EQ(sum, s.modules) << "value " << v;
            EXPECT_TRUE(narrow || s.narrowFree) << "modules " << s.modules << " value " << v;
            seen.insert(w);
        }
        EXPECT_EQ(seen.size(), static_cast<size_t>(s.values)) << "modules " << s.modules;
    }
}

TEST(DataBarElementWidths, OutOfRangeValuesStillEndWithinTheModules) {
    const ElementWidthSet w = elementWidths(100000, 12, 4, 8, true);
    EXPECT_EQ(w.widths[0] + w.widths[1] + w.widths[2] + w.widths[3], 12);
}

TEST(DataBarWideValues, DecimalAndDivision) {
    const uint64_t v = decimalValue("12345678901234", 14);
    EXPECT_EQ(v, 12345678901234u);
    const WideQuotient q = divideWide(v, 4537077);
    EXPECT_EQ(q.quotient, 2721064u);
    EXPECT_EQ(q.remainder, 2011306u);
    EXPECT_EQ(decimalValue("99999999999999999999", 19), 9999999999999999999u);
}

}  // namespace
}  // namespace barsize::databar
