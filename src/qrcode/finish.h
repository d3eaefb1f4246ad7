// Masking, format information and the packed raster.
#pragma once

#include <cstdint>

#include "qrcode/qr_state.h"

namespace barsize::qrcode {

// The 15-bit format word of a model, level (0 L to 3 H) and mask number.
uint16_t formatWord(QrModel model, int level, int mask);

// Writes both copies of the format word of the current model and level into
// darkPlane.
void writeFormatInformation(int mask);

// Writes the format information, then symbolPlane = darkPlane with the data
// area inverted where row + column is even (mask pattern 000).
void applyMask();

// Packs symbolPlane into rasterBuffer: module row r is raster row r + 1,
// most significant bit leftmost; row 0 gets a copy of the last row.
void packRaster();

}  // namespace barsize::qrcode
