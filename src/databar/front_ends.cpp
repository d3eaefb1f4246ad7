// The two front ends: linear codes 75 to 78 through getBarCodeWidth, and
// stacked symbology 51 through the 2D exports.
#include <cstring>

#include "databar/databar.h"
#include "databar/element_string.h"
#include "databar/passes.h"

namespace barsize::databar {

namespace {

constexpr int32_t kDefaultModuleWidth = 3;
constexpr int32_t kLinearPrintableWidth = 640;
constexpr int32_t kStackedPrintableWidth = 141;
constexpr int32_t kMaxPrintableWidth = 640;
constexpr int32_t kLinearRowDots = 162;  // linear rows are at least this tall
constexpr int32_t kItemDigits = 13;
constexpr uint32_t kMaxExpandedLinearBytes = 255;

DataBarJob gLinearJob;
DataBarJob gStackedJob;
ElementString gConverted;

void resetJob(DataBarJob &job, int32_t printableWidth, int32_t capacity) {
    std::memset(&job, 0, sizeof job);
    job.moduleWidth = kDefaultModuleWidth;
    job.separatorHeight = kDefaultModuleWidth;
    job.rowHeight = 1;
    job.secondRowHeight = 1;
    job.printableWidth = printableWidth;
    job.dataCapacity = capacity;
}

// A module width whose low 16 bits are 1 to 8; anything else keeps 3.
int32_t moduleWidthFrom(uint32_t value) {
    const uint16_t low = static_cast<uint16_t>(value);
    return low >= 1 && low <= 8 ? low : kDefaultModuleWidth;
}

bool allDigits(const uint8_t *data, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        if (data[i] < '0' || data[i] > '9') return false;
    return true;
}

}  // namespace

int32_t measureLinearDataBar(const uint8_t *data, int32_t length, int32_t symbology,
                             int32_t moduleWidth, int32_t hriPosition, int32_t hriCharWidth,
                             int32_t measure) {
    (void)hriPosition; (void)hriCharWidth; (void)measure;
    uint32_t symbolType = 0;
    switch (symbology) {
    case BARSIZE_DATABAR_OMNI: symbolType = kTypeOmni; break;
    case BARSIZE_DATABAR_TRUNCATED: symbolType = kTypeTruncated; break;
    case BARSIZE_DATABAR_LIMITED: symbolType = kTypeLimited; break;
    case BARSIZE_DATABAR_EXPANDED: symbolType = kTypeExpanded; break;
    default: return BARSIZE_E_DATABAR_FAILED;
    }
    const uint16_t low = static_cast<uint16_t>(length);
    const bool expanded = symbolType == kTypeExpanded;
    if (!expanded && low != kItemDigits) return BARSIZE_E_DATABAR_LENGTH;
    if (expanded && low == 0) return BARSIZE_E_DATABAR_FAILED;
    // Longer Expanded data would have to be cut, losing data: refuse it.
    if (expanded && static_cast<uint32_t>(length) > kMaxExpandedLinearBytes)
        return BARSIZE_E_DATABAR_TOO_LONG;

    DataBarJob &job = gLinearJob;
    resetJob(job, kLinearPrintableWidth, static_cast<int32_t>(kMaxExpandedLinearBytes));
    job.symbolType = symbolType;
    if (!expanded) {
        if (!allDigits(data, kItemDigits)) return BARSIZE_E_DATABAR_DIGITS;
        storeData(job, reinterpret_cast<const char *>(data), kItemDigits);
    } else {
        if (!convertElementString(data, static_cast<uint32_t>(length), gConverted))
            return BARSIZE_E_DATABAR_ELEMENT_STRING;
        storeData(job, gConverted.text, gConverted.length);
    }
    job.moduleWidth = moduleWidthFrom(static_cast<uint32_t>(moduleWidth));
    job.separatorHeight = job.moduleWidth;
    job.rowHeight = (kLinearRowDots + job.moduleWidth - 1) / job.moduleWidth;
    job.secondRowHeight = job.rowHeight;

    if (runDataBarPasses(job) != 0) return BARSIZE_E_DATABAR_FAILED;
    return lastDataBarRequest().symbolWidth;
}

int32_t encodeStackedDataBar(BARSIZE_ENCODER_2D_ARGS) {
    (void)symbology;
    const StackedParams &stacked = *static_cast<const StackedParams *>(params);
    DataBarJob &job = gStackedJob;
    resetJob(job, kStackedPrintableWidth, kJobStoreBytes - 1);
    job.moduleWidth = moduleWidthFrom(stacked.moduleWidth);
    job.separatorHeight = job.moduleWidth;
    if (stacked.rowWidthLimit != 0)
        job.printableWidth =
            stacked.rowWidthLimit > kMaxPrintableWidth ? kMaxPrintableWidth : stacked.rowWidthLimit;

    const uint16_t sub = static_cast<uint16_t>(subtype);
    int32_t rows = 0;
    switch (sub) {
    case BARSIZE_SUB_STACKED: job.symbolType = kTypeStacked; rows = 16; break;
    case BARSIZE_SUB_STACKED_OMNI: job.symbolType = kTypeStackedOmni; rows = 33; break;
    case BARSIZE_SUB_EXPANDED_STACKED: job.symbolType = kTypeExpanded; rows = 34; break;
    default:
        *outStatus = BARSIZE_E_2D_UNSUPPORTED;
        return BARSIZE_E_2D_UNSUPPORTED;
    }
    job.rowHeight = rows;
    job.secondRowHeight = rows;

    uint32_t textLength = static_cast<uint32_t>(length);
    if (job.symbolType != kTypeExpanded) {
        if (static_cast<uint16_t>(length) < kItemDigits || !allDigits(data, kItemDigits)) {
            *outStatus = BARSIZE_E_STACKED_DATA;
            return -1;
        }
        textLength = kItemDigits;  // only the first 13 bytes are used
    }
    if (!convertElementString(data, textLength, gConverted)) {
        *outStatus = BARSIZE_E_STACKED_DATA;
        return -1;
    }
    storeData(job, gConverted.text, gConverted.length);

    const int32_t status = runDataBarPasses(job);
    if (status != 0) {
        *outStatus = static_cast<int16_t>(status);
        return static_cast<int16_t>(status);
    }
    const DataBarRequest &r = lastDataBarRequest();
    image->width = static_cast<uint16_t>(r.symbolWidth);
    image->height = static_cast<uint16_t>(r.symbolHeight);
    image->bytesPerRow = static_cast<uint16_t>(r.bytesPerRow);
    image->rowCount = static_cast<uint16_t>(r.rasterLines);
    image->scaleX = 1;
    image->scaleY = 1;
    image->pixels = const_cast<uint8_t *>(dataBarRaster());
    image->extraTopRows = 8;
    image->extraBottomRows = 8;
    image->extraWidth = 0;
    image->reserved = 0;
    *outWidth = static_cast<int16_t>(r.symbolWidth);
    *outHeight = static_cast<int16_t>(r.rasterLines + 16);
    *outStatus = 0;
    return 0;
}

}  // namespace barsize::databar
