#include "databar/databar.h"

namespace barsize::databar {

// Not built yet: both front ends fail cleanly.
int32_t measureLinearDataBar(const uint8_t *data, int32_t length, int32_t symbology,
                             int32_t moduleWidth, int32_t hriPosition, int32_t hriCharWidth,
                             int32_t measure) {
    (void)data; (void)length; (void)symbology; (void)moduleWidth; (void)hriPosition;
    (void)hriCharWidth; (void)measure;
    return -1;
}

int32_t encodeStackedDataBar(BARSIZE_ENCODER_2D_ARGS) {
    (void)data; (void)length; (void)symbology; (void)subtype; (void)params;
    (void)outWidth; (void)outHeight; (void)image;
    *outStatus = -1;
    return -1;
}

}  // namespace barsize::databar
