// Error-correction levels from ratios, raising, and the Reed-Solomon codewords.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pdf417/error_correction.h"

namespace barsize::pdf417 {
namespace {

Pdf417Settings ratioSettings(uint16_t percent, bool automatic) {
    Pdf417Settings s = {};
    s.automatic = automatic;
    s.ecByLevel = false;
    s.raiseLevelToFill = true;
    s.ecRatioPercent = percent;
    return s;
}

TEST(Pdf417ErrorCorrection, RatioGivesTheLevel) {
    struct Case {
        uint16_t percent;
        bool forCapacity;  // capacityLevel of 928, else symbolLevel of dataCount
        uint16_t dataCount;
        uint16_t level;
    };
    const Case cases[] = {
        {10, false, 3, 1},    {10, false, 100, 2},  {10, false, 110, 3},
        {10, true, 0, 5},     {400, true, 0, 8},    {60, true, 0, 7},
        {60, false, 672, 8},  {100, false, 46, 5},  {100, false, 45, 4},
    };
    for (const Case &c : cases) {
        const Pdf417Settings s = ratioSettings(c.percent, true);
        const uint16_t level = c.forCapacity ? capacityLevel(s, 928) : symbolLevel(s, c.dataCount);
        EXPECT_EQ(level, c.level) << c.percent << "% of " << c.dataCount;
    }
    // A fixed layout takes the level from its total, whatever the data.
    Pdf417Settings fixed = ratioSettings(10, false);
    fixed.rowLimit = 3;
    fixed.columnLimit = 8;
    EXPECT_EQ(symbolLevel(fixed, 3), 1);  // 24 - 2400 / 110 = 3
    fixed.rowLimit = 90;
    fixed.columnLimit = 30;
    EXPECT_EQ(symbolLevel(fixed, 3), 7);  // 2700 - 270000 / 110 = 246
}

TEST(Pdf417ErrorCorrection, LevelModeIgnoresTheData) {
    Pdf417Settings s = {};
    s.ecByLevel = true;
    s.ecLevel = 8;
    EXPECT_EQ(capacityLevel(s, 928), 8);
    EXPECT_EQ(symbolLevel(s, 900), 8);
    uint16_t level = 8, pads = 600;
    raiseLevel(s, level, pads);
    EXPECT_EQ(pads, 600);
}

TEST(Pdf417ErrorCorrection, RaisingSpendsPads) {
    const Pdf417Settings s = ratioSettings(10, true);
    uint16_t level = 1, pads = 17;
    raiseLevel(s, level, pads);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(pads, 5);
    level = 7;
    pads = 900;
    raiseLevel(s, level, pads);
    EXPECT_EQ(level, 8);  // never above 8
    EXPECT_EQ(pads, 644);
}

TEST(Pdf417ErrorCorrection, GeneratorsHaveTheirRoots) {
    // The generator of level L vanishes at 3^1 .. 3^k and not at 3^(k+1);
    // level 2 is also compared with its published coefficients.
    const uint16_t level2[8] = {237, 308, 436, 284, 646, 653, 428, 379};
    for (uint16_t j = 0; j < 8; ++j) EXPECT_EQ(generatorCoefficient(2, j), level2[j]);
    for (uint16_t level = 0; level <= 8; ++level) {
        const uint32_t k = 2u << level;
        uint32_t root = 1;
        for (uint32_t i = 1; i <= k + 1; ++i) {
            root = root * 3 % 929;
            uint32_t value = 1;  // leading coefficient, Horner from the top
            for (uint32_t j = k; j-- > 0;) value = (value * root + generatorCoefficient(level, static_cast<uint16_t>(j))) % 929;
            if (i <= k) EXPECT_EQ(value, 0u) << "level " << level << " root 3^" << i;
            else EXPECT_NE(value, 0u) << "level " << level;
        }
    }
}

TEST(Pdf417ErrorCorrection, ReedSolomonVectors) {
    struct Case {
        std::vector<uint16_t> data;
        uint16_t level;
        std::vector<uint16_t> ec;
    };
    std::vector<uint16_t> first = {20, 1, 89};
    first.insert(first.end(), 17, 900);
    std::vector<uint16_t> second = {8, 1, 89};
    second.insert(second.end(), 5, 900);
    const Case cases[] = {
        {first, 1, {671, 848, 318, 316}},
        {second, 3, {292, 289, 365, 661, 132, 764, 138, 416, 926, 33, 366, 285, 14, 598, 315, 770}},
    };
    for (const Case &c : cases) {
        uint16_t items[64] = {};
        std::copy(c.data.begin(), c.data.end(), items);
        appendEcCodewords(items, static_cast<uint16_t>(c.data.size()), c.level);
        EXPECT_EQ(std::vector<uint16_t>(items + c.data.size(), items + c.data.size() + c.ec.size()),
                  c.ec);
    }
}

}  // namespace
}  // namespace barsize::pdf417
