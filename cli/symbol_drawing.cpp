#include "symbol_drawing.h"

#include "databar/passes.h"
#include "linear/bar_row.h"

namespace barsize::cli {

namespace {

// Repeats one row of dots `height` times.
Bitmap extrude(const uint8_t *bits, int width, int height) {
    const Bitmap row = bitmapFromRaster(bits, width, 1, (width + 7) / 8);
    Bitmap picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y)
        picture.dark.insert(picture.dark.end(), row.dark.begin(), row.dark.end());
    return picture;
}

DrawnSymbol draw2D(const std::string &data, int symbology, int subtype, const void *params) {
    DrawnSymbol drawn;
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    const int32_t result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()),
                                             symbology, subtype, params, &width, &height,
                                             &status, &image);
    if (result != 0) {
        drawn.status = status != 0 ? status : result;
        return drawn;
    }
    drawn.width = static_cast<uint16_t>(width);
    drawn.height = static_cast<uint16_t>(height);
    drawn.picture = bitmapFromRaster(static_cast<const uint8_t *>(image.pixels), image.width,
                                     image.rowCount, image.bytesPerRow);
    drawn.scale = image.scaleX;
    return drawn;
}

}  // namespace

DrawnSymbol drawLinearSymbol(int symbology, const std::string &data, int moduleWidth,
                             int barHeight) {
    DrawnSymbol drawn;
    const int32_t width = getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()),
                                          symbology, moduleWidth, 0, 0, 1);
    if (width < 0) {
        drawn.status = width;
        return drawn;
    }
    drawn.width = width;
    if (symbology >= 75) {
        // The DataBar engine's drawing pass holds the symbol.
        const databar::DataBarRequest &r = databar::lastDataBarRequest();
        drawn.picture = bitmapFromRaster(databar::dataBarRaster(), r.symbolWidth, r.rasterLines,
                                         r.bytesPerRow);
        drawn.height = r.symbolHeight;
        drawn.moduleDots = moduleWidth >= 1 && moduleWidth <= 8 ? moduleWidth : 3;
        return drawn;
    }
    drawn.picture = extrude(linear::barRow.bits, width, barHeight);
    drawn.height = barHeight;
    drawn.moduleDots = moduleWidth;
    return drawn;
}

DrawnSymbol drawQrSymbol(const std::string &data, const QrParams &params) {
    DrawnSymbol drawn = draw2D(data, BARSIZE_QRCODE, 0, &params);
    drawn.moduleDots = 1;  // the picture is in modules
    return drawn;
}

DrawnSymbol drawPdf417Symbol(const std::string &data, const Pdf417Params &params) {
    DrawnSymbol drawn = draw2D(data, BARSIZE_PDF417, 0, &params);
    drawn.moduleDots = params.moduleWidth >= 1 ? params.moduleWidth : 1;
    return drawn;
}

DrawnSymbol drawStackedDataBar(const std::string &data, int subtype, const StackedParams &params) {
    DrawnSymbol drawn = draw2D(data, BARSIZE_DATABAR_STACKED_2D, subtype, &params);
    drawn.moduleDots = params.moduleWidth >= 1 && params.moduleWidth <= 8 ? params.moduleWidth : 3;
    return drawn;
}

}  // namespace barsize::cli
