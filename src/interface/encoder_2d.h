// The argument list every two-dimensional encoder shares.
#pragma once

#include <cstdint>

#include "barsize.h"

namespace barsize::api {

// Pointers are checked by the exports before an encoder runs: data is never
// null (an empty buffer stands in for null data with length 0), params,
// outWidth, outHeight, outStatus and image are never null.
#define BARSIZE_ENCODER_2D_ARGS                                                      \
    const uint8_t *data, int32_t length, int32_t symbology, int32_t subtype,          \
        const void *params, int16_t *outWidth, int16_t *outHeight, int16_t *outStatus, \
        SymbolImage *image

}  // namespace barsize::api
