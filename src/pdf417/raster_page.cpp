#include "pdf417/raster_page.h"

#include <cstring>

namespace barsize::pdf417 {

RasterPage rasterPage;

int32_t clearRows() {
    rasterPage.lineCount = 0;
    rasterPage.writeOffset = 0;
    return 0;
}

int32_t appendRow(const uint8_t *bytes, uint16_t byteCount) {
    if (byteCount > kRasterPageBytes - rasterPage.writeOffset || rasterPage.lineCount == 0xFFFF)
        return -1;
    std::memcpy(rasterPage.lineStore + rasterPage.writeOffset, bytes, byteCount);
    rasterPage.lineBytes = byteCount;
    rasterPage.lineCount = static_cast<uint16_t>(rasterPage.lineCount + 1);
    rasterPage.writeOffset += byteCount;
    return 0;
}

}  // namespace barsize::pdf417
