// Runs the library for one symbol and returns its reported size with the
// picture the printer would print: one place for every subcommand and the
// gallery.
#pragma once

#include <cstdint>
#include <string>

#include "barsize.h"
#include "cli_common.h"

namespace barsize::cli {

struct DrawnSymbol {
    int32_t status = 0;  // 0, or the library's negative status
    long width = 0;      // reported width in dots
    long height = 0;     // reported height in dots (linear: the bar height drawn)
    Bitmap picture;      // the symbol without quiet zone
    int scale = 1;       // printer dots per picture pixel
    int moduleDots = 1;  // picture pixels per module, for quiet zones
};

// Linear codes 0 to 8 and the DataBar linear codes 75 to 78, bars only,
// `barHeight` dots tall (DataBar types keep their own height).
DrawnSymbol drawLinearSymbol(int symbology, const std::string &data, int moduleWidth,
                             int barHeight);

// The 2D symbologies through getBarCodeWidth2D; for QR Code the picture is
// in modules with scale = module size, for the others in dots.
DrawnSymbol drawQrSymbol(const std::string &data, const QrParams &params);
DrawnSymbol drawPdf417Symbol(const std::string &data, const Pdf417Params &params);
DrawnSymbol drawStackedDataBar(const std::string &data, int subtype, const StackedParams &params);

}  // namespace barsize::cli
