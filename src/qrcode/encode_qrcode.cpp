// QR Code entry: normalises the parameters, runs the stages and reports the
// symbol's geometry and raster.
#include <cstring>

#include "qrcode/analysis.h"
#include "qrcode/data_stream.h"
#include "qrcode/error_correction.h"
#include "qrcode/finish.h"
#include "qrcode/matrix.h"
#include "qrcode/qr_state.h"
#include "qrcode/qrcode.h"

namespace barsize::qrcode {

namespace {

constexpr uint16_t kExtraTopRows = 7;
constexpr uint16_t kExtraBottomRows = 4;

QrModel normalisedModel(uint16_t model) { return (model == 1 || model == 49) ? Model1 : Model2; }

uint16_t normalisedModuleSize(uint16_t size) {
    if (size == 0) return 1;
    return size > 16 ? 16 : size;
}

uint8_t normalisedLevel(uint16_t level) {
    if (level <= 3) return static_cast<uint8_t>(level);
    if (level >= 48 && level <= 51) return static_cast<uint8_t>(level - 48);
    return 0;
}

int32_t fail(int16_t *outStatus, int16_t status) {
    *outStatus = status;
    return -1;
}

// Data stream, error correction, matrix, mask: the symbol of the chosen version.
void buildSymbol() {
    const int v = qrState.versionIndex;
    qrState.moduleCount = 4 * (v + 1) + 17;
    const int dataCodewords = versionRow(qrState.model, v).dataCodewords[qrState.level];
    const int written = writeDataStream(qrState.segmentList, qrState.segmentCount, v);
    padDataStream(written, dataCodewords);
    addErrorCorrection();
    drawFunctionPatterns();
    placeCodewords();
    applyMask();
}

}  // namespace

int32_t encodeQrCode(BARSIZE_ENCODER_2D_ARGS) {
    (void)symbology;
    (void)subtype;
    const QrParams &p = *static_cast<const QrParams *>(params);
    qrState.model = normalisedModel(p.model);
    qrState.moduleSize = normalisedModuleSize(p.moduleSize);
    qrState.level = normalisedLevel(p.ecLevel);

    const uint16_t count = static_cast<uint16_t>(length);
    if (count == 0) return fail(outStatus, BARSIZE_E_QR_NO_DATA);
    if (count > kMaxInputBytes) return fail(outStatus, BARSIZE_E_QR_TOO_LONG);
    std::memcpy(qrState.inputCopy, data, count);
    qrState.inputLength = count;

    analyseData();
    if (qrState.unreadBytes > 0) return fail(outStatus, BARSIZE_E_QR_TOO_MANY_SEGMENTS);
    if (qrState.versionIndex < 0) {
        qrState.moduleCount = 0;
        return fail(outStatus, BARSIZE_E_QR_TOO_BIG);
    }
    buildSymbol();
    packRaster();

    const uint16_t n = static_cast<uint16_t>(qrState.moduleCount);
    const uint16_t scale = qrState.moduleSize;
    image->width = n;
    image->height = n;
    image->bytesPerRow = kRasterRowBytes;
    image->rowCount = n;
    image->scaleX = scale;
    image->scaleY = scale;
    image->pixels = qrState.rasterBuffer[1];
    image->extraTopRows = kExtraTopRows;
    image->extraBottomRows = kExtraBottomRows;
    image->extraWidth = 0;
    image->reserved = 0;
    *outWidth = static_cast<int16_t>(scale * n);
    *outHeight = static_cast<int16_t>(scale * n + kExtraTopRows + kExtraBottomRows);
    *outStatus = 0;
    return 0;
}

}  // namespace barsize::qrcode
