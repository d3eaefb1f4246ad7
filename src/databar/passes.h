// What a front end asks of the engine, and the driver that sizes and then
// draws it into the DataBar raster.
#pragma once

#include <cstdint>

#include "databar/engine.h"

namespace barsize::databar {

constexpr int32_t kRasterBytes = 132960;
constexpr int32_t kJobStoreBytes = 2437;

struct DataBarJob {
    uint32_t symbolType;
    int32_t moduleWidth;      // dots
    int32_t separatorHeight;  // dots, equal to moduleWidth
    int32_t rowHeight;        // modules
    int32_t secondRowHeight;  // modules
    int32_t printableWidth;   // dots
    char dataStore[kJobStoreBytes];
    int32_t dataCapacity;     // most bytes dataStore accepts
    int32_t dataLength;
};

// Job statuses of the driver beyond the engine's own.
constexpr int32_t kPassesRasterSize = -3;  // the sizing pass asked for no raster or too much

// Copies n bytes into the job, terminated. n = 0 or above dataCapacity
// empties the job and returns false.
bool storeData(DataBarJob &job, const char *bytes, int32_t n);

// Sizes the job (engine pass one), checks the raster size, draws it (pass
// two). 0 on success, else a negative status. The request stays readable.
int32_t runDataBarPasses(const DataBarJob &job);

// The request of the last run and the raster it drew.
const DataBarRequest &lastDataBarRequest();
const uint8_t *dataBarRaster();

}  // namespace barsize::databar
