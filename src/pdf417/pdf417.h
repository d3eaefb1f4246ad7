// PDF417 encoder entry (symbology 48).
#pragma once

#include "interface/encoder_2d.h"

namespace barsize::pdf417 {

// Encodes a PDF417 symbol from a Pdf417Params record. 0 on success, -1 with
// a status in outStatus on failure.
int32_t encodePdf417(BARSIZE_ENCODER_2D_ARGS);

// What the last successful encodePdf417 built, for tools that describe it.
struct Pdf417Summary {
    uint16_t rows;
    uint16_t dataColumns;
    uint16_t level;
    uint16_t symbolType;      // 0 standard, 1 truncated
    uint16_t dataCodewords;   // compaction's codewords, the length descriptor included
    uint16_t padCodewords;
    uint16_t ecCodewords;
    uint16_t widthModules;
    uint16_t moduleWidth;     // dots per module
    uint16_t rowHeightDots;   // raster lines per row
};

const Pdf417Summary &lastPdf417Summary();

// The codewords of the last successful symbol, row by row with the row
// indicators (rows * (dataColumns + 2 or + 1) entries).
const uint16_t *lastPdf417Matrix();

}  // namespace barsize::pdf417
