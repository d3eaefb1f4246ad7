#include "pdf417/pdf417.h"

namespace barsize::pdf417 {

// Not built yet: fails cleanly.
int32_t encodePdf417(BARSIZE_ENCODER_2D_ARGS) {
    (void)data; (void)length; (void)symbology; (void)subtype; (void)params;
    (void)outWidth; (void)outHeight; (void)image;
    *outStatus = -1;
    return -1;
}

}  // namespace barsize::pdf417
