// barsize width and barsize render: the width in dots of a linear barcode,
// and its picture as the printer prints it (one pixel per dot).
#include <cstdio>
#include <cstdlib>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "linear_status_text.h"
#include "symbol_drawing.h"
#include "symbology_names.h"

namespace barsize::cli {

namespace {

const char *const kWidthUsage =
    "usage: barsize width SYMBOLOGY [DATA] [options]\n\n"
    "Width in printer dots of a linear barcode, without quiet zones.\n";
const char *const kRenderUsage =
    "usage: barsize render SYMBOLOGY [DATA] -o FILE [options]\n\n"
    "Draws a linear barcode, one picture pixel per printer dot, to FILE (.png,\n"
    ".svg or .pbm) and prints the width of its bars in dots.\n";
const char *const kOptions =
    "SYMBOLOGY: %s\n\n"
    "Options:\n"
    "  --module N         module (narrow bar) width in dots, 2 to 6 (default 2;\n"
    "                     DataBar: 1 to 8)\n"
    "  --hri N            HRI text position: 0 none (default), 1 above, 2 below, 3 both\n"
    "  --hri-char N       HRI character width: 0 (12 dots, default), 1 (9), 2 (8),\n"
    "                     or 6 to 32 dots\n"
    "  --measure M        max (0, default for width): larger of bars and text;\n"
    "                     bars (1, always for render); text (2)\n"
    "  --height N         bar height of the picture in dots, 1 to 4000 (default 80)\n"
    "  (the picture's quiet zone is in modules, default 10)\n"
    "%s";

constexpr int kDefaultQuietModules = 10;

bool parseMeasure(const std::string &text, long &measure) {
    if (text == "max") measure = 0;
    else if (text == "bars") measure = 1;
    else if (text == "text") measure = 2;
    else {
        char *end = nullptr;
        measure = std::strtol(text.c_str(), &end, 10);
        return !text.empty() && *end == '\0';
    }
    return true;
}

int runLinear(const Args &args, bool render) {
    const char *command = render ? "render" : "width";
    CommonOptions common;
    std::vector<std::string> positionals;
    long module = 2, hri = 0, hriChar = 0, measure = render ? 1 : 0, height = 80;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--module") takeIntValue(args, i, module, error);
        else if (a == "--hri") takeIntValue(args, i, hri, error);
        else if (a == "--hri-char") takeIntValue(args, i, hriChar, error);
        else if (a == "--height") {
            takeIntInRange(args, i, height, 1, 4000, "1 to 4000 dots", error);
        } else if (a == "--measure") {
            if (i + 1 >= args.size() || !parseMeasure(args[i + 1], measure))
                error = "--measure takes max, bars, text or 0 to 2";
            i += 2;
        } else {
            takeOperand(args, i, positionals, error);
        }
    }
    if (common.help) {
        std::printf("%s", render ? kRenderUsage : kWidthUsage);
        std::printf(kOptions, kLinearSymbologyNames, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && positionals.empty()) error = "missing SYMBOLOGY";
    if (error.empty() && positionals.size() > 2) error = "too many arguments";
    int symbology = -1;
    if (error.empty()) {
        symbology = symbologyFromName(positionals[0]);
        if (symbology < 0)
            error = "unknown symbology '" + positionals[0] + "'";
        else if (!(symbology <= 8 || (symbology >= 75 && symbology <= 78)))
            error = symbologyName(symbology) + " is not a linear symbology (see barsize qr, pdf417, databar)";
    }
    if (error.empty() && render && common.output.empty()) error = "missing -o FILE";
    std::string data;
    if (error.empty()) readData(common, positionals, 1, data, error);
    if (!error.empty()) {
        return usageError(command, error);
    }

    const std::string name = symbologyName(symbology);
    const int32_t result = getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology,
                                           static_cast<int32_t>(module), static_cast<int32_t>(hri),
                                           static_cast<int32_t>(hriChar),
                                           static_cast<int32_t>(measure));
    if (result < 0) {
        const int exitCode = reportRefusal(command, common, name, data, result,
                                           explainLinearStatus(symbology, result, data));
        // Parameter statuses are the caller's mistake, not the data's.
        const bool parameter = symbology <= 8 && result >= -6 && result <= -3;
        return parameter ? kExitUsage : exitCode;
    }

    DrawnSymbol drawn;
    if (!common.output.empty()) {
        drawn = drawLinearSymbol(symbology, data, static_cast<int>(module), static_cast<int>(height));
        const int quiet = (common.quietZone < 0 ? kDefaultQuietModules : common.quietZone) *
                          drawn.moduleDots;
        if (drawn.status != 0 ||
            !writeImage(common.output, drawn.picture, 1, 1, quiet, quiet, error)) {
            std::fprintf(stderr, "barsize %s: %s\n", command,
                         error.empty() ? "the symbol could not be drawn" : error.c_str());
            return kExitUsage;
        }
    }
    if (common.json) {
        JsonFields fields = commonJsonFields(name, data, 0, result, -1, common.dpi);
        fields.push_back({"code", jsonNumber(symbology)});
        fields.push_back({"measure", jsonString(measure == 0 ? "max" : measure == 1 ? "bars" : "text")});
        if (!common.output.empty()) {
            fields.push_back({"pictureHeight", jsonNumber(drawn.picture.height)});
            fields.push_back({"file", jsonString(common.output)});
        }
        std::printf("%s\n", jsonObject(fields).c_str());
        return kExitOk;
    }
    std::printf("%s\n", summaryLine(name, data, result, -1, common.dpi).c_str());
    if (!common.output.empty()) std::printf("wrote %s\n", common.output.c_str());
    return kExitOk;
}

}  // namespace

int runWidth(const Args &args) { return runLinear(args, false); }

int runRender(const Args &args) { return runLinear(args, true); }

}  // namespace barsize::cli
