// PDF417 encoder entry (symbology 48).
#pragma once

#include "interface/encoder_2d.h"

namespace barsize::pdf417 {

// Encodes a PDF417 symbol from a Pdf417Params record. 0 on success, -1 with
// a status in outStatus on failure.
int32_t encodePdf417(BARSIZE_ENCODER_2D_ARGS);

}  // namespace barsize::pdf417
