// Shared helpers of the DataBar tests: requests and raster lines as text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "databar/engine.h"

namespace barsize::databar {

// A request with the driver's defaults for the given type and data.
inline DataBarRequest makeRequest(uint32_t type, const char *data, int32_t module = 1) {
    DataBarRequest r = {};
    r.symbolType = type;
    r.pixelsPerModule = module;
    r.separatorHeight = module;
    r.segmentsPerRow = 22;
    r.data = data;
    r.dataLength = 0;
    while (data[r.dataLength] != 0) ++r.dataLength;
    r.outputMode = kOutputSizeOnly;
    r.rowHeight = 33;
    r.secondRowHeight = 33;
    r.printableWidth = 640;
    return r;
}

// Runs both passes; the raster holds the drawn symbol (empty on failure).
inline int32_t runBothPasses(DataBarRequest &r, std::vector<uint8_t> &raster) {
    r.raster = nullptr;
    r.outputMode = kOutputSizeOnly;
    const int32_t sized = runDataBarEngine(r);
    if (sized < 0) return sized;
    raster.assign(static_cast<size_t>(r.rasterSize), 0);
    r.raster = raster.data();
    r.outputMode = kOutputDraw;
    return runDataBarEngine(r);
}

// Line y of a raster as '1' (dark) and '0' (light) characters.
inline std::string lineBits(const uint8_t *raster, int32_t bytesPerRow, int32_t width, int32_t y) {
    std::string bits;
    for (int32_t x = 0; x < width; ++x)
        bits += (raster[y * bytesPerRow + x / 8] >> (7 - x % 8)) & 1 ? '1' : '0';
    return bits;
}

// Element widths (run lengths) of a line of bits, starting with the first run.
inline std::vector<int> runLengths(const std::string &bits) {
    std::vector<int> runs;
    for (size_t i = 0; i < bits.size(); ++i) {
        if (i == 0 || bits[i] != bits[i - 1]) runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

// The modules an element row covers, as bits (guards included, no pads).
inline std::string rowBits(const ElementRow &row) {
    std::string bits;
    bool dark = row.lightFirst == 0;
    if (row.guards) bits += dark ? "10" : "01";
    for (int32_t i = 0; i < row.elementCount; ++i) {
        const bool elementDark = (i % 2 == 0) == dark;
        bits += std::string(row.widths[i], elementDark ? '1' : '0');
    }
    if (row.guards) bits += row.elementCount % 2 == 1 ? (dark ? "01" : "10") : (dark ? "10" : "01");
    return bits;
}

}  // namespace barsize::databar
