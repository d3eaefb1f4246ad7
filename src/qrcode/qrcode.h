// QR Code encoder entry (symbology 49).
#pragma once

#include "interface/encoder_2d.h"

namespace barsize::qrcode {

// Encodes a QR Code Model 1 or Model 2 symbol from a QrParams record. 0 on
// success, -1 with a status in outStatus on failure.
int32_t encodeQrCode(BARSIZE_ENCODER_2D_ARGS);

}  // namespace barsize::qrcode
