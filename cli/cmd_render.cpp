// barsize render: draws a linear barcode at its module width in dots, as the
// printer prints it, and tells its width.
#include <cstdio>
#include <cstdlib>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "linear/bar_row.h"
#include "linear_status_text.h"
#include "symbology_names.h"

namespace barsize::cli {

namespace {

const char *const kUsage =
    "usage: barsize render SYMBOLOGY [DATA] -o FILE [options]\n\n"
    "Draws a linear barcode, one picture pixel per printer dot, to FILE (.png,\n"
    ".svg or .pbm) and prints the width of its bars in dots.\n"
    "SYMBOLOGY: upca upce ean13 ean8 code39 itf codabar code93 code128, or 0-8\n\n"
    "Options:\n"
    "  --module N         module (narrow bar) width in dots, 2 to 6 (default 2)\n"
    "  --height N         bar height in dots, 1 to 4000 (default 80)\n"
    "  (the quiet zone is in modules, default 10)\n"
    "%s";

constexpr int kDefaultQuietModules = 10;
constexpr long kDefaultHeight = 80;

}  // namespace

int runRender(const Args &args) {
    CommonOptions common;
    std::vector<std::string> positionals;
    long module = 2, height = kDefaultHeight;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--module") {
            takeIntValue(args, i, module, error);
        } else if (a == "--height") {
            if (takeIntValue(args, i, height, error) && (height < 1 || height > 4000))
                error = "--height must be 1 to 4000 dots";
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option " + a;
        } else {
            positionals.push_back(a);
            ++i;
        }
    }
    if (common.help) {
        std::printf(kUsage, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && positionals.empty()) error = "missing SYMBOLOGY";
    if (error.empty() && positionals.size() > 2) error = "too many arguments";
    int symbology = -1;
    if (error.empty()) {
        symbology = symbologyFromName(positionals[0]);
        if (symbology < 0)
            error = "unknown symbology '" + positionals[0] + "'";
        else if (symbology > 8)
            error = symbologyName(symbology) + " is not drawn here (see barsize databar, qr, pdf417)";
    }
    if (error.empty() && common.output.empty()) error = "missing -o FILE";
    std::string data;
    if (error.empty()) readData(common, positionals, 1, data, error);
    if (!error.empty()) {
        std::fprintf(stderr, "barsize render: %s\n(see barsize render --help)\n", error.c_str());
        return kExitUsage;
    }

    const int32_t width = getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology,
                                          static_cast<int32_t>(module), 0, 0, 1);
    if (width < 0) {
        const std::string message = explainLinearStatus(symbology, width, data);
        if (common.json) {
            std::printf("%s\n", jsonObject({{"symbology", jsonString(symbologyName(symbology))},
                                            {"code", jsonNumber(symbology)},
                                            {"data", jsonString(data)},
                                            {"status", jsonNumber(width)},
                                            {"message", jsonString(message)}})
                                    .c_str());
        } else {
            std::fprintf(stderr, "barsize render: %s (status %d)\n", message.c_str(), width);
        }
        return width >= -6 ? kExitUsage : kExitRefused;
    }

    // The bar row holds the symbol just measured, one bit per dot.
    const linear::BarRow &row = linear::barRow;
    const int bytesPerRow = (width + 7) / 8;
    Bitmap bars = bitmapFromRaster(row.bits, width, 1, bytesPerRow);
    Bitmap picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.dark.reserve(static_cast<size_t>(width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        picture.dark.insert(picture.dark.end(), bars.dark.begin(), bars.dark.end());
    const int quiet = (common.quietZone < 0 ? kDefaultQuietModules : common.quietZone) *
                      static_cast<int>(module);
    if (!writeImage(common.output, picture, 1, 1, quiet, quiet, error)) {
        std::fprintf(stderr, "barsize render: %s\n", error.c_str());
        return kExitUsage;
    }
    if (common.json) {
        std::printf("%s\n", jsonObject({{"symbology", jsonString(symbologyName(symbology))},
                                        {"code", jsonNumber(symbology)},
                                        {"data", jsonString(data)},
                                        {"status", jsonNumber(0)},
                                        {"width", jsonNumber(width)},
                                        {"widthMm", millimetres(width, common.dpi)},
                                        {"height", jsonNumber(height)},
                                        {"quietZoneDots", jsonNumber(quiet)},
                                        {"file", jsonString(common.output)}})
                                .c_str());
    } else {
        std::printf("%s \"%s\": %d dots wide (%s mm at %d dpi), drawn to %s\n",
                    symbologyName(symbology).c_str(), printable(data).c_str(), width,
                    millimetres(width, common.dpi).c_str(), common.dpi, common.output.c_str());
    }
    return kExitOk;
}

}  // namespace barsize::cli
