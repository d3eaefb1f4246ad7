#include "pdf417/parameters.h"

#include "pdf417/error_correction.h"
#include "pdf417/raster_page.h"

namespace barsize::pdf417 {

namespace {

constexpr uint16_t kDefaultModule = 3;  // module width and row height when out of range
constexpr uint16_t kMaxModule = 8;

uint16_t moduleOrDefault(uint16_t value) {
    return value == 0 || value > kMaxModule ? kDefaultModule : value;
}

}  // namespace

void settingsFromParams(const Pdf417Params &params, Pdf417Settings &settings) {
    const uint16_t columns = params.columns > kMaxDataColumns ? kMaxDataColumns : params.columns;
    uint16_t rows = params.rows;
    if (rows < kMinRows) rows = 0;
    if (rows > kMaxRows) rows = kMaxRows;
    const uint16_t moduleWidth = moduleOrDefault(params.moduleWidth);

    settings = Pdf417Settings{};
    settings.automatic = columns == 0 || rows == 0;
    if (settings.automatic) {
        settings.rowLimit = kMaxRows;
        settings.columnLimit = kMaxDataColumns;
        settings.requestedRows = rows;
        settings.requestedColumns = columns;
        settings.widthLimitModules = static_cast<uint16_t>(pageWidthDots() / moduleWidth);
    } else {
        settings.rowLimit = rows;
        settings.columnLimit = columns;
    }
    settings.rowHeight = moduleOrDefault(params.rowHeight);
    settings.moduleWidth = moduleWidth;

    // Low four bits of the mode 0: by level (the digits '0'..'8' work too);
    // otherwise by ratio in tens of percent.
    if ((params.ecMode & 0x0F) == 0) {
        const uint16_t level = params.ecValue & 0x0F;
        settings.ecByLevel = true;
        settings.raiseLevelToFill = false;
        settings.ecLevel = level > kMaxLevel ? kMaxLevel : level;
        settings.ecRatioPercent = 10;
    } else {
        uint16_t tens = params.ecValue;
        if (tens == 0) tens = 1;
        if (tens > 40) tens = 40;
        settings.ecByLevel = false;
        settings.raiseLevelToFill = true;
        settings.ecRatioPercent = static_cast<uint16_t>(tens * 10);
    }
    settings.symbolType = params.options == 1 ? kTruncated : kStandard;
}

}  // namespace barsize::pdf417
