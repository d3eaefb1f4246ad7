#include "databar/passes.h"

#include <cstring>

namespace barsize::databar {

namespace {
DataBarRequest gRequest;
uint8_t gRaster[kRasterBytes];
}  // namespace

const DataBarRequest &lastDataBarRequest() { return gRequest; }
const uint8_t *dataBarRaster() { return gRaster; }

bool storeData(DataBarJob &job, const char *bytes, int32_t n) {
    std::memset(job.dataStore, 0, sizeof job.dataStore);
    job.dataLength = 0;
    const int32_t capacity =
        job.dataCapacity < kJobStoreBytes - 1 ? job.dataCapacity : kJobStoreBytes - 1;
    if (n <= 0 || n > capacity) return false;
    std::memcpy(job.dataStore, bytes, static_cast<size_t>(n));
    job.dataLength = n;
    return true;
}

int32_t runDataBarPasses(const DataBarJob &job) {
    DataBarRequest &r = gRequest;
    r = DataBarRequest{};
    r.symbolType = job.symbolType;
    r.pixelsPerModule = job.moduleWidth;
    r.barReduction = 0;
    r.undercutLines = 0;
    r.separatorHeight = job.separatorHeight;
    r.segmentsPerRow = 22;
    r.dataLength = static_cast<uint32_t>(job.dataLength);
    r.data = job.dataStore;
    r.rowHeight = job.rowHeight;
    r.secondRowHeight = job.secondRowHeight;
    r.printableWidth = job.printableWidth;
    r.raster = nullptr;
    r.outputMode = kOutputSizeOnly;

    int32_t status = runDataBarEngine(r);
    if (status < 0) return status;
    if (r.rasterSize < 1 || r.rasterSize > kRasterBytes) return kPassesRasterSize;

    // The drawing pass writes rasterSize bytes; the rest of the buffer is no
    // part of this symbol.
    std::memset(gRaster, 0, static_cast<size_t>(r.rasterSize));
    r.raster = gRaster;
    r.outputMode = kOutputDraw;
    status = runDataBarEngine(r);
    if (status < 0) return status;
    return 0;
}

}  // namespace barsize::databar
