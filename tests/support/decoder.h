// The independent decoder the tests check our symbols with: zxing-wasm,
// run by node over a batch of rasters at once (node takes most of a second
// to start, so hand it everything a test has in one call).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "barsize.h"

namespace barsize::test {

// A one-bit picture of a symbol, one byte per pixel (1 = dark), row major,
// no quiet zone. The decoder adds the quiet zone and scales each pixel to
// scale x scale pixels.
struct TestRaster {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> dark;  // width * height, 1 = dark
    int scale = 4;              // pixels per raster pixel given to the decoder
    int quietZone = 10;         // light raster pixels added on every side
    std::string format;         // zxing format to look for, e.g. "QRCode",
                                // "QRCodeModel1", "PDF417", "Code128",
                                // "DataBarExpStk"; empty: any
};

struct DecodeResult {
    bool found = false;
    std::string format;      // zxing's format name, e.g. "QRCode", "DataBarExpanded"
    std::string bytes;       // exact decoded bytes (GS1 separators as 0x1D)
    std::string text;        // decoded text as zxing reports it
    std::string symbologyIdentifier;  // e.g. "]Q1", "]e0"
    double unusedErrorCorrection = -1;  // 1.0 = no error correction used; -1 unknown
    std::string extra;       // zxing's extra JSON
    std::string error;       // why nothing was found, if not found
};

// Decodes every raster; results in the same order. Throws std::runtime_error
// if node or the decoder package is missing (run `make test-deps`).
std::vector<DecodeResult> decodeRasters(const std::vector<TestRaster> &rasters);

// A raster from a 2D result: `image` as the library filled it, read
// pixel by pixel from image.pixels (width x rowCount bits, bytesPerRow apart).
TestRaster rasterFromImage(const SymbolImage &image, const std::string &format, int scale = 4);

// The same from a copy of the raster bytes (e.g. the caller-owned block).
TestRaster rasterFromBits(const uint8_t *bits, int width, int rows, int bytesPerRow,
                          const std::string &format, int scale = 4);

// The linear symbol just measured, from the bar row's painted dots, as a
// raster `height` pixels tall.
TestRaster rasterFromBarRow(const std::string &format, int height = 40, int scale = 2);

}  // namespace barsize::test
