// The PDF417 entry: normalise, fix the capacity, compact, lay out with error
// correction, draw, and report the symbol.
#include <cstring>

#include "pdf417/compaction.h"
#include "pdf417/error_correction.h"
#include "pdf417/layout.h"
#include "pdf417/parameters.h"
#include "pdf417/pdf417.h"
#include "pdf417/raster_page.h"
#include "pdf417/row_raster.h"

namespace barsize::pdf417 {

namespace {

constexpr uint32_t kMaxDataLength = 65532;

// The working records of the process, rebuilt by every call.
uint8_t inputStore[65536];
Pdf417Settings settings;
CodewordList codewords;
Pdf417Layout layout;
Pdf417Summary summary;

int32_t fail(int16_t *outStatus, int32_t status) {
    *outStatus = static_cast<int16_t>(status);
    return -1;
}

}  // namespace

int32_t encodePdf417(BARSIZE_ENCODER_2D_ARGS) {
    (void)symbology;
    (void)subtype;
    settingsFromParams(*static_cast<const Pdf417Params *>(params), settings);

    const uint32_t dataLength = static_cast<uint16_t>(length);
    if (dataLength == 0 || dataLength > kMaxDataLength) return fail(outStatus, BARSIZE_E_PDF417_NO_DATA);
    std::memcpy(inputStore, data, dataLength);

    int32_t status = fixCapacity(settings, codewords);
    if (status != 0) return fail(outStatus, status);
    DataReader reader;
    startReader(reader, inputStore, dataLength);
    compact(reader, codewords, settings);
    if (!readerAtEnd(reader)) return fail(outStatus, BARSIZE_E_PDF417_TOO_LONG);

    status = buildMatrix(settings, codewords, layout);
    if (status != 0) return fail(outStatus, status);
    // The page holds every layout whole; a refusal would mean a lost raster.
    if (renderSymbol(layout, settings.moduleWidth) != 0) return fail(outStatus, BARSIZE_E_PDF417_NO_LAYOUT);

    const uint32_t widthDots = symbolWidthDots(layout, settings.moduleWidth);
    const uint32_t heightDots = symbolHeightDots(layout, settings.moduleWidth);
    image->width = static_cast<uint16_t>(widthDots);
    image->height = rasterPage.lineCount;
    image->bytesPerRow = rasterPage.lineBytes;
    image->rowCount = rasterPage.lineCount;
    image->scaleX = 1;
    image->scaleY = 1;
    image->pixels = rasterPage.lineStore;
    image->extraTopRows = 0;
    image->extraBottomRows = 0;
    image->extraWidth = 5;
    image->reserved = 0;
    *outWidth = static_cast<int16_t>(widthDots + 5);
    *outHeight = static_cast<int16_t>(heightDots);
    *outStatus = 0;

    summary.rows = layout.symbolRows;
    summary.dataColumns = layout.dataColumns;
    summary.level = layout.level;
    summary.symbolType = layout.symbolType;
    summary.dataCodewords = layout.dataCount;
    summary.padCodewords = layout.pads;
    summary.ecCodewords = ecCodewordCount(layout.level);
    summary.widthModules = symbolWidthModules(layout.symbolType, layout.dataColumns);
    summary.moduleWidth = settings.moduleWidth;
    summary.rowHeightDots = static_cast<uint16_t>(heightDots / layout.symbolRows);
    return 0;
}

const Pdf417Summary &lastPdf417Summary() { return summary; }

const uint16_t *lastPdf417Matrix() { return layout.matrix; }

}  // namespace barsize::pdf417
