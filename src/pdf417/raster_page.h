// The raster page: the store the finished PDF417 raster is written into.
#pragma once

#include <cstdint>

namespace barsize::pdf417 {

// Holds the largest raster any accepted layout draws: 90 rows of 10 data
// columns (239 modules) at module width 8 and row height 8 is 239 bytes
// times 5,760 lines.
constexpr uint32_t kRasterPageBytes = 1376640;
constexpr uint16_t kPageWidthDots = 640;

struct RasterPage {
    uint16_t lineCount;    // rows appended since the last clear
    uint32_t writeOffset;  // where the next row goes
    uint16_t lineBytes;    // byte count of the last appended row
    uint8_t lineStore[kRasterPageBytes];
};

extern RasterPage rasterPage;

// Starts a new raster; the store keeps its old bytes.
int32_t clearRows();

// Appends one row. Returns 0, or -1 (nothing written) if the row does not fit.
int32_t appendRow(const uint8_t *bytes, uint16_t byteCount);

inline uint16_t pageWidthDots() { return kPageWidthDots; }

}  // namespace barsize::pdf417
