// The test decoder itself, proved on symbols drawn by hand.
#include <gtest/gtest.h>

#include "support/decoder.h"

namespace barsize::test {
namespace {

// Code 128 set B "Hi": start B, H, i, check, stop (module patterns).
TestRaster handMadeCode128() {
    // Check value (104 + 1 * 40 + 2 * 73) mod 103 = 84.
    const char *modules[] = {"11010010000", "11000101000", "10000110100", "10011110100",
                             "1100011101011"};
    TestRaster r;
    std::string all;
    for (const char *m : modules) all += m;
    r.width = static_cast<int>(all.size());
    r.height = 30;
    r.format = "Code128";
    r.scale = 3;
    for (int y = 0; y < r.height; ++y)
        for (char c : all) r.dark.push_back(c == '1');
    return r;
}

// A QR Code version 1 with nothing but its finder patterns: not a symbol.
TestRaster notASymbol() {
    TestRaster r;
    r.width = r.height = 21;
    r.format = "QRCode";
    r.dark.assign(21 * 21, 0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool ring = x == 0 || y == 0 || x == 6 || y == 6;
            const bool core = x >= 2 && x <= 4 && y >= 2 && y <= 4;
            r.dark[y * 21 + x] = ring || core;
        }
    return r;
}

TEST(TestDecoder, ReadsAHandMadeSymbolAndRefusesNoise) {
    const std::vector<DecodeResult> results = decodeRasters({handMadeCode128(), notASymbol()});
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].found) << results[0].error;
    EXPECT_EQ(results[0].format, "Code128");
    EXPECT_EQ(results[0].bytes, "Hi");
    EXPECT_FALSE(results[1].found);
}

}  // namespace
}  // namespace barsize::test
