// Row raster: the codeword matrix drawn into printer dots, line by line.
#pragma once

#include <cstdint>

#include "pdf417/records.h"

namespace barsize::pdf417 {

// Widest line: 30 data columns (579 modules) at 8 dots per module.
constexpr int kLineBytes = 2066;

struct RowRenderer {
    const Pdf417Layout *layout;
    uint16_t moduleWidthDots;  // dots per module across
    uint16_t rowHeightDots;    // raster lines per symbol row
    uint16_t currentRow;       // the symbol row drawn in `line`
    uint16_t repeatsLeft;      // lines of the current row still to emit
    bool started;              // the first row has been drawn
    uint32_t bitPosition;      // dots written into `line`
    uint8_t line[kLineBytes];
};

void startRaster(RowRenderer &renderer, const Pdf417Layout &layout, uint16_t moduleWidth);

// Prepares the next raster line in renderer.line; false when the symbol is complete.
bool nextLine(RowRenderer &renderer);

uint32_t symbolWidthDots(const Pdf417Layout &layout, uint16_t moduleWidth);
uint32_t symbolHeightDots(const Pdf417Layout &layout, uint16_t moduleWidth);

// Draws the whole symbol into the raster page. 0, or -1 if the page refused a line.
int32_t renderSymbol(const Pdf417Layout &layout, uint16_t moduleWidth);

}  // namespace barsize::pdf417
