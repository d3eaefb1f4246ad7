#include "pdf417/layout.h"

#include "barsize.h"
#include "pdf417/error_correction.h"

namespace barsize::pdf417 {

namespace {

constexpr int32_t kNoLayout = BARSIZE_E_PDF417_NO_LAYOUT;
constexpr int32_t kNoRoomForData = BARSIZE_E_PDF417_NO_ROOM;

uint32_t ceilDiv(uint32_t a, uint32_t b) { return (a + b - 1) / b; }

uint32_t rowsFor(uint32_t codewords, uint32_t columns) {
    const uint32_t rows = ceilDiv(codewords, columns);
    return rows < kMinRows ? kMinRows : rows;
}

bool fitsBySize(uint32_t rows, uint32_t columns) {
    return rows <= kMaxRows && rows * columns <= kMaxSymbolCodewords;
}

// Rows and columns in automatic mode; false when nothing fits.
bool automaticShape(const Pdf417Settings &settings, uint32_t needed, uint32_t &rows,
                    uint32_t &columns) {
    if (settings.requestedColumns != 0) {
        columns = settings.requestedColumns;
        rows = rowsFor(needed, columns);
        return fitsBySize(rows, columns);
    }
    // The widest column count that fits the page, so the symbol is as short
    // as it can be.
    columns = 0;
    for (uint32_t e = 1; e <= kMaxDataColumns; ++e) {
        const uint32_t d = rowsFor(needed, e);
        if (!fitsBySize(d, e)) continue;
        if (symbolWidthModules(settings.symbolType, static_cast<uint16_t>(e)) >
            settings.widthLimitModules)
            break;
        columns = e;
    }
    if (columns == 0) return false;
    rows = rowsFor(needed, columns);
    if (settings.requestedRows != 0) {
        if (rows > settings.requestedRows) return false;
        if (static_cast<uint32_t>(settings.requestedRows) * columns <= kMaxSymbolCodewords)
            rows = settings.requestedRows;
    }
    return true;
}

// Left and right row indicators of row j. Left ones cycle through rows,
// level and columns; right ones through columns, rows and level.
uint16_t rowIndicator(const Pdf417Layout &layout, uint32_t j, bool right) {
    const uint32_t group = 30 * (j / 3);
    const uint32_t rowsPart = (layout.symbolRows - 1u) / 3;
    const uint32_t levelPart = 3u * layout.level + (layout.symbolRows - 1u) % 3;
    const uint32_t columnsPart = layout.dataColumns - 1u;
    uint32_t part;
    switch (j % 3) {
        case 0: part = right ? columnsPart : rowsPart; break;
        case 1: part = right ? rowsPart : levelPart; break;
        default: part = right ? levelPart : columnsPart; break;
    }
    return static_cast<uint16_t>(group + part);
}

}  // namespace

uint16_t symbolWidthModules(uint16_t symbolType, uint16_t dataColumns) {
    // Start 17, left indicator 17, data; right indicator 17 and stop 18, or a
    // one-module stop bar on a truncated symbol.
    return static_cast<uint16_t>(17 * dataColumns + (symbolType == kTruncated ? 35 : 69));
}

int32_t fixCapacity(const Pdf417Settings &settings, CodewordList &list) {
    list.count = 1;
    const uint32_t total = settings.automatic
                               ? kMaxSymbolCodewords
                               : static_cast<uint32_t>(settings.rowLimit) * settings.columnLimit;
    const uint32_t k = ecCodewordCount(capacityLevel(settings, static_cast<uint16_t>(total)));
    if (k + 1 >= total) return kNoRoomForData;
    list.totalCapacity = static_cast<uint16_t>(total);
    list.dataCapacity = static_cast<uint16_t>(total - k);
    return 0;
}

int32_t chooseLayout(const Pdf417Settings &settings, CodewordList &list, Pdf417Layout &layout) {
    const uint16_t dataCount = list.count;
    uint16_t level = symbolLevel(settings, dataCount);
    const uint32_t k = ecCodewordCount(level);
    const uint32_t needed = dataCount + k;
    uint32_t rows = 0, columns = 0;
    if (!settings.automatic) {
        rows = settings.rowLimit;
        columns = settings.columnLimit;
        if (rows * columns > kMaxSymbolCodewords) return kNoLayout;
    } else if (!automaticShape(settings, needed, rows, columns)) {
        return kNoLayout;
    }
    const uint32_t total = rows * columns;
    if (total < needed) return kNoLayout;  // the ratio level outgrew the capacity
    list.totalCapacity = static_cast<uint16_t>(total);
    list.dataCapacity = static_cast<uint16_t>(total - k);
    uint16_t pads = static_cast<uint16_t>(total - needed);
    raiseLevel(settings, level, pads);
    layout.symbolRows = static_cast<uint16_t>(rows);
    layout.dataColumns = static_cast<uint16_t>(columns);
    layout.columnsWithIndicators =
        static_cast<uint16_t>(columns + (settings.symbolType == kTruncated ? 1 : 2));
    layout.level = level;
    layout.pads = pads;
    layout.dataCount = dataCount;
    layout.symbolType = settings.symbolType;
    layout.rowHeight = settings.rowHeight;
    return 0;
}

int32_t buildMatrix(const Pdf417Settings &settings, CodewordList &list, Pdf417Layout &layout) {
    const uint16_t dataCount = list.count;
    const int32_t status = chooseLayout(settings, list, layout);
    if (status != 0) return status;
    uint16_t count = dataCount;
    for (uint16_t i = 0; i < layout.pads; ++i) list.items[count++] = kPad;
    list.items[0] = count;  // symbol length descriptor: itself, data and pads
    appendEcCodewords(list.items, count, layout.level);
    const bool standard = layout.symbolType != kTruncated;
    uint32_t next = 0;
    uint32_t m = 0;
    for (uint32_t j = 0; j < layout.symbolRows; ++j) {
        layout.matrix[m++] = rowIndicator(layout, j, false);
        for (uint32_t c = 0; c < layout.dataColumns; ++c) layout.matrix[m++] = list.items[next++];
        if (standard) layout.matrix[m++] = rowIndicator(layout, j, true);
    }
    return 0;
}

}  // namespace barsize::pdf417
