// The nine exported entry points.
#include <cstdint>

#include "barsize.h"
#include "databar/databar.h"
#include "interface/caller_block.h"
#include "interface/library_lock.h"
#include "interface/record_layout.h"
#include "linear/linear.h"
#include "pdf417/pdf417.h"
#include "qrcode/qrcode.h"

namespace barsize::api {

namespace {

// Stands in for null data of length 0, so encoders never see a null pointer.
const uint8_t kNoData[1] = {0};

// The data pointer an encoder may read, or null when the caller passed null
// data with a non-zero length.
const uint8_t *checkedData(const char *data, int32_t length) {
    if (data != nullptr) return reinterpret_cast<const uint8_t *>(data);
    return length == 0 ? kNoData : nullptr;
}

int32_t dispatch2D(const char *data, int32_t length, int32_t symbology, int32_t subtype,
                   const void *params, int16_t *outWidth, int16_t *outHeight,
                   int16_t *outStatus, SymbolImage *image) {
    if (outStatus == nullptr) return BARSIZE_E_NULL_POINTER;
    *outStatus = 0;
    const uint16_t code = static_cast<uint16_t>(symbology);
    const uint16_t sub = static_cast<uint16_t>(subtype);
    const bool known = code == 48 || code == 49 || (code == 51 && (sub == 72 || sub == 73 || sub == 76));
    if (!known) {
        *outStatus = BARSIZE_E_2D_UNSUPPORTED;
        return BARSIZE_E_2D_UNSUPPORTED;
    }
    const uint8_t *bytes = checkedData(data, length);
    if (bytes == nullptr || params == nullptr || outWidth == nullptr || outHeight == nullptr ||
        image == nullptr) {
        *outStatus = BARSIZE_E_NULL_POINTER;
        return BARSIZE_E_NULL_POINTER;
    }
    if (code == 48)
        return pdf417::encodePdf417(bytes, length, 48, subtype, params, outWidth, outHeight,
                                    outStatus, image);
    if (code == 49)
        return qrcode::encodeQrCode(bytes, length, 49, subtype, params, outWidth, outHeight,
                                    outStatus, image);
    return databar::encodeStackedDataBar(bytes, length, 51, subtype, params, outWidth,
                                         outHeight, outStatus, image);
}

// Runs a 2D encoder for a shortcut: a local image without a handle slot,
// the encoder's negative result unchanged, or the chosen output unsigned.
enum class Pick { Width, Height };

int32_t shortcut(const char *data, int32_t length, int32_t symbology, int32_t subtype,
                 const void *params, Pick pick) {
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    const int32_t result =
        dispatch2D(data, length, symbology, subtype, params, &width, &height, &status, &image);
    if (result < 0) return result;
    return static_cast<uint16_t>(pick == Pick::Width ? width : height);
}

int32_t pdf417Shortcut(const char *data, int32_t length, int32_t columns, int32_t rows,
                       int32_t moduleWidth, int32_t rowHeight, int32_t ecMode,
                       int32_t ecValue, int32_t options, Pick pick) {
    const Pdf417Params params = {
        static_cast<uint16_t>(columns),   static_cast<uint16_t>(rows),
        static_cast<uint16_t>(moduleWidth), static_cast<uint16_t>(rowHeight),
        static_cast<uint16_t>(ecMode),    static_cast<uint16_t>(ecValue),
        static_cast<uint16_t>(options)};
    return shortcut(data, length, 48, 0, &params, pick);
}

int32_t gs1Shortcut(const char *data, int32_t length, int32_t subtype, int32_t moduleWidth,
                    int32_t rowWidthLimit, Pick pick) {
    const uint16_t sub = static_cast<uint16_t>(subtype);
    if (sub != 72 && sub != 73 && sub != 76) return -1;
    const StackedParams params = {static_cast<uint16_t>(moduleWidth),
                                  static_cast<uint16_t>(rowWidthLimit)};
    return shortcut(data, length, 51, subtype, &params, pick);
}

}  // namespace

}  // namespace barsize::api

using namespace barsize::api;

extern "C" {

BARSIZE_API int32_t BARSIZE_CALL getBarCodeWidth(const char *data, int32_t length,
                                                 int32_t symbology, int32_t moduleWidth,
                                                 int32_t hriPosition, int32_t hriCharWidth,
                                                 int32_t measure) {
    const uint8_t *bytes = checkedData(data, length);
    if (bytes == nullptr) return BARSIZE_E_NULL_POINTER;
    return barsize::linear::measureLinear(bytes, length, symbology, moduleWidth, hriPosition,
                                          hriCharWidth, measure);
}

BARSIZE_API int32_t BARSIZE_CALL get1DBarCodeWidth(const char *data, int32_t length,
                                                   int32_t symbology, int32_t moduleWidth,
                                                   int32_t hriPosition, int32_t hriCharWidth,
                                                   int32_t measure) {
    LibraryLockScope lock;
    return getBarCodeWidth(data, length, symbology, moduleWidth, hriPosition, hriCharWidth,
                           measure);
}

BARSIZE_API int32_t BARSIZE_CALL getBarCodeWidth2D(const char *data, int32_t length,
                                                   int32_t symbology, int32_t subtype,
                                                   const void *params, int16_t *outWidth,
                                                   int16_t *outHeight, int16_t *outStatus,
                                                   SymbolImage *image) {
    return dispatch2D(data, length, symbology, subtype, params, outWidth, outHeight, outStatus,
                      image);
}

BARSIZE_API int32_t BARSIZE_CALL get2DBarCodeWidth(const char *data, int32_t length,
                                                   int32_t symbology, int32_t subtype,
                                                   const void *params, int16_t *outWidth,
                                                   int16_t *outHeight, int16_t *outStatus,
                                                   SymbolImage *image) {
    if (image == nullptr) {
        if (outStatus != nullptr) *outStatus = BARSIZE_E_NULL_POINTER;
        return BARSIZE_E_NULL_POINTER;
    }
    void *const imageSlot = image->pixels;
    LibraryLockScope lock;
    const int32_t result = dispatch2D(data, length, symbology, subtype, params, outWidth,
                                      outHeight, outStatus, image);
    if (result != 0 || imageSlot == nullptr) return result;
    const uint32_t size = image->pixels == nullptr
                              ? 0
                              : static_cast<uint32_t>(image->bytesPerRow) * image->rowCount;
    return handOverRaster(imageSlot, static_cast<const uint8_t *>(image->pixels), size);
}

BARSIZE_API int32_t BARSIZE_CALL getPDF417Width(const char *data, int32_t length,
                                                int32_t columns, int32_t rows,
                                                int32_t moduleWidth, int32_t rowHeight,
                                                int32_t ecMode, int32_t ecValue,
                                                int32_t options) {
    return pdf417Shortcut(data, length, columns, rows, moduleWidth, rowHeight, ecMode, ecValue,
                          options, Pick::Width);
}

BARSIZE_API int32_t BARSIZE_CALL getPDF417Height(const char *data, int32_t length,
                                                 int32_t columns, int32_t rows,
                                                 int32_t moduleWidth, int32_t rowHeight,
                                                 int32_t ecMode, int32_t ecValue,
                                                 int32_t options) {
    return pdf417Shortcut(data, length, columns, rows, moduleWidth, rowHeight, ecMode, ecValue,
                          options, Pick::Height);
}

BARSIZE_API int32_t BARSIZE_CALL getQRCodeWidth(const char *data, int32_t length, int32_t model,
                                                int32_t moduleSize, int32_t ecLevel) {
    const QrParams params = {static_cast<uint16_t>(model), static_cast<uint16_t>(moduleSize),
                             static_cast<uint16_t>(ecLevel)};
    return shortcut(data, length, 49, 0, &params, Pick::Width);
}

BARSIZE_API int32_t BARSIZE_CALL getGS1Width(const char *data, int32_t length, int32_t subtype,
                                             int32_t moduleWidth, int32_t rowWidthLimit) {
    return gs1Shortcut(data, length, subtype, moduleWidth, rowWidthLimit, Pick::Width);
}

BARSIZE_API int32_t BARSIZE_CALL getGS1Height(const char *data, int32_t length, int32_t subtype,
                                              int32_t moduleWidth, int32_t rowWidthLimit) {
    return gs1Shortcut(data, length, subtype, moduleWidth, rowWidthLimit, Pick::Height);
}

}  // extern "C"
