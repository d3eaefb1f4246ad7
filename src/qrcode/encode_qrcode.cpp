#include "qrcode/qrcode.h"

namespace barsize::qrcode {

// Not built yet: fails cleanly.
int32_t encodeQrCode(BARSIZE_ENCODER_2D_ARGS) {
    (void)data; (void)length; (void)symbology; (void)subtype; (void)params;
    (void)outWidth; (void)outHeight; (void)image;
    *outStatus = -1;
    return -1;
}

}  // namespace barsize::qrcode
