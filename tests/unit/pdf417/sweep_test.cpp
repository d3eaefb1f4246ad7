// Any parameters and any data: a named status, or a symbol whose reported
// size matches its raster and which reads back exactly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barsize.h"
#include "pdf417/pdf417.h"
#include "pdf417/raster_page.h"
#include "support/decoder.h"

namespace barsize::pdf417 {
namespace {

uint32_t nextRandom(uint32_t &state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

std::string randomData(uint32_t &state) {
    const uint32_t length = 1 + nextRandom(state) % (nextRandom(state) % 4 == 0 ? 1500 : 80);
    const uint32_t kind = nextRandom(state) % 4;  // bytes, text, digits, a mixture
    std::string s;
    for (uint32_t i = 0; i < length; ++i) {
        const uint32_t pick = kind == 3 ? nextRandom(state) % 3 : kind;
        if (pick == 0) s += static_cast<char>(nextRandom(state) & 0xFF);
        else if (pick == 1) s += static_cast<char>(32 + nextRandom(state) % 95);
        else s += static_cast<char>('0' + nextRandom(state) % 10);
    }
    return s;
}

TEST(Pdf417Sweep, EveryRequestEndsInAStatusOrASoundSymbol) {
    uint32_t state = 2024;
    std::vector<test::TestRaster> rasters;
    std::vector<std::string> decodedData;
    for (int i = 0; i < 1500; ++i) {
        const std::string data = randomData(state);
        const Pdf417Params p = {
            static_cast<uint16_t>(nextRandom(state) % 3 == 0 ? 0 : nextRandom(state) % 33),
            static_cast<uint16_t>(nextRandom(state) % 3 == 0 ? 0 : nextRandom(state) % 96),
            static_cast<uint16_t>(nextRandom(state) % 10),
            static_cast<uint16_t>(nextRandom(state) % 10),
            static_cast<uint16_t>(nextRandom(state) % 2 ? 48 : 49),
            static_cast<uint16_t>(nextRandom(state) % 45),
            static_cast<uint16_t>(nextRandom(state) % 3)};
        int16_t width = 0, height = 0, status = 0;
        SymbolImage image = {};
        const int32_t result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 48,
                                                 0, &p, &width, &height, &status, &image);
        if (result != 0) {
            EXPECT_EQ(result, -1);
            EXPECT_TRUE(status == -7 || status == -11 || status == -17) << status;
            continue;
        }
        const Pdf417Summary &s = lastPdf417Summary();
        EXPECT_EQ(width, s.widthModules * s.moduleWidth + 5);
        EXPECT_EQ(height, s.rows * s.rowHeightDots);
        EXPECT_EQ(image.rowCount, height);
        EXPECT_EQ(image.bytesPerRow, (image.width + 7) / 8);
        EXPECT_LE(static_cast<uint32_t>(image.rowCount) * image.bytesPerRow, kRasterPageBytes);
        EXPECT_EQ(s.dataCodewords + s.padCodewords + s.ecCodewords, s.rows * s.dataColumns);
        // A sample goes to the decoder. Truncated symbols are left out: the
        // decoder reads a few of them (equal, module for module, to zint's)
        // only with error correction; they are checked in the oracle tests.
        if (i % 8 == 0 && s.symbolType == 0 && s.moduleWidth <= 4 && s.rows <= 60) {
            rasters.push_back(test::rasterFromImage(image, "PDF417", s.moduleWidth == 1 ? 3 : 2));
            decodedData.push_back(data);
        }
    }
    ASSERT_GE(rasters.size(), 10u);
    const std::vector<test::DecodeResult> results = test::decodeRasters(rasters);
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].bytes, decodedData[i]) << i;
        EXPECT_EQ(results[i].unusedErrorCorrection, 1.0) << i;
    }
}

}  // namespace
}  // namespace barsize::pdf417
