// barsize width: the width in dots of a linear barcode.
#include <cstdio>
#include <iostream>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "linear_status_text.h"
#include "symbology_names.h"

namespace barsize::cli {

namespace {

const char *const kUsage =
    "usage: barsize width SYMBOLOGY [DATA] [options]\n\n"
    "Width in printer dots of a linear barcode, without quiet zones.\n"
    "SYMBOLOGY: %s\n\n"
    "Options:\n"
    "  --module N         module (narrow bar) width in dots, 2 to 6 (default 2;\n"
    "                     DataBar: 1 to 8)\n"
    "  --hri N            HRI text position: 0 none (default), 1 above, 2 below, 3 both\n"
    "  --hri-char N       HRI character width: 0 (12 dots, default), 1 (9), 2 (8),\n"
    "                     or 6 to 32 dots\n"
    "  --measure M        max (0, default): larger of bars and text; bars (1); text (2)\n"
    "%s";

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

}  // namespace

int runWidth(const Args &args) {
    CommonOptions common;
    std::vector<std::string> positionals;
    long module = 2, hri = 0, hriChar = 0, measure = 0;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--module") takeIntValue(args, i, module, error);
        else if (a == "--hri") takeIntValue(args, i, hri, error);
        else if (a == "--hri-char") takeIntValue(args, i, hriChar, error);
        else if (a == "--measure") {
            if (i + 1 >= args.size() || !parseMeasure(args[i + 1], measure))
                error = "--measure takes max, bars, text or 0 to 2";
            i += 2;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option " + a;
        } else {
            positionals.push_back(a);
            ++i;
        }
    }
    if (common.help) {
        std::printf(kUsage, kLinearSymbologyNames, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && positionals.empty()) error = "missing SYMBOLOGY";
    if (error.empty() && positionals.size() > 2) error = "too many arguments";
    int symbology = -1;
    if (error.empty()) {
        symbology = symbologyFromName(positionals[0]);
        if (symbology < 0) error = "unknown symbology '" + positionals[0] + "'";
    }
    std::string data;
    if (error.empty()) readData(common, positionals, 1, data, error);
    if (!error.empty()) {
        std::fprintf(stderr, "barsize width: %s\n(see barsize width --help)\n", error.c_str());
        return kExitUsage;
    }

    const int32_t result = getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology,
                                           static_cast<int32_t>(module), static_cast<int32_t>(hri),
                                           static_cast<int32_t>(hriChar),
                                           static_cast<int32_t>(measure));
    if (common.json) {
        JsonFields fields = {{"symbology", jsonString(symbologyName(symbology))},
                             {"code", jsonNumber(symbology)},
                             {"data", jsonString(data)},
                             {"status", jsonNumber(result < 0 ? result : 0)}};
        if (result >= 0) {
            fields.push_back({"width", jsonNumber(result)});
            fields.push_back({"widthMm", millimetres(result, common.dpi)});
            fields.push_back({"dpi", jsonNumber(common.dpi)});
        } else {
            fields.push_back({"message", jsonString(explainLinearStatus(symbology, result, data))});
        }
        std::printf("%s\n", jsonObject(fields).c_str());
        return result < 0 ? kExitRefused : kExitOk;
    }
    if (result < 0) {
        std::fprintf(stderr, "barsize width: %s (status %d)\n",
                     explainLinearStatus(symbology, result, data).c_str(), result);
        return kExitRefused;
    }
    std::printf("%s \"%s\": %d dots (%s mm at %d dpi)\n", symbologyName(symbology).c_str(),
                printable(data).c_str(), result, millimetres(result, common.dpi).c_str(),
                common.dpi);
    return kExitOk;
}

}  // namespace barsize::cli
