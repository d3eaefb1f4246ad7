// barsize databar: size, rows and picture of a GS1 DataBar symbol.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "databar/passes.h"

namespace barsize::cli {

namespace {

const char *const kUsage =
    "usage: barsize databar TYPE [DATA] [options]\n\n"
    "Width and height in printer dots of a GS1 DataBar symbol, its rows and\n"
    "separator rows, and its picture with -o.\n"
    "TYPE: omni, truncated, limited, expanded (linear; width as getBarCodeWidth\n"
    "      reports it), stacked, stacked-omni, expanded-stacked (2D)\n"
    "DATA: 13 digits (the item number without its check digit) for omni,\n"
    "      truncated, limited, stacked and stacked-omni; a GS1 element string such\n"
    "      as (01)09501101530003(10)AB{1(21)123 for the expanded types\n\n"
    "Options:\n"
    "  --module N         module width in dots, 1 to 8 (default 3)\n"
    "  --row-width N      expanded-stacked: widest row in dots (0 = 141, default;\n"
    "                     at most 640)\n"
    "%s";

struct DataBarType {
    const char *name;
    int code;      // linear symbology, or 51 for the stacked ones
    int subtype;   // stacked sub-type, 0 for linear
    const char *title;
};

const DataBarType kTypes[] = {
    {"omni", BARSIZE_DATABAR_OMNI, 0, "GS1 DataBar Omnidirectional"},
    {"truncated", BARSIZE_DATABAR_TRUNCATED, 0, "GS1 DataBar Truncated"},
    {"limited", BARSIZE_DATABAR_LIMITED, 0, "GS1 DataBar Limited"},
    {"expanded", BARSIZE_DATABAR_EXPANDED, 0, "GS1 DataBar Expanded"},
    {"stacked", BARSIZE_DATABAR_STACKED_2D, BARSIZE_SUB_STACKED, "GS1 DataBar Stacked"},
    {"stacked-omni", BARSIZE_DATABAR_STACKED_2D, BARSIZE_SUB_STACKED_OMNI,
     "GS1 DataBar Stacked Omnidirectional"},
    {"expanded-stacked", BARSIZE_DATABAR_STACKED_2D, BARSIZE_SUB_EXPANDED_STACKED,
     "GS1 DataBar Expanded Stacked"},
};

const DataBarType *typeFromName(const std::string &name) {
    for (const DataBarType &t : kTypes)
        if (name == t.name) return &t;
    return nullptr;
}

std::string explainLinear(int status) {
    switch (status) {
    case BARSIZE_E_DATABAR_LENGTH: return "the data must be 13 digits";
    case BARSIZE_E_DATABAR_DIGITS: return "the data must be digits only";
    case BARSIZE_E_DATABAR_ELEMENT_STRING: return "the element string was rejected";
    case BARSIZE_E_DATABAR_TOO_LONG: return "the data is longer than 255 bytes";
    case BARSIZE_E_NULL_POINTER: return "no data";
    default: return "the symbol could not be built from this data";
    }
}

std::string explainStacked(int status) {
    switch (status) {
    case BARSIZE_E_STACKED_DATA:
        return "the data was rejected (13 digits needed, or a bad element string), "
               "or it does not fit the symbol";
    case BARSIZE_E_STACKED_RASTER: return "the symbol's picture would be too large";
    case BARSIZE_E_STACKED_TYPE: return "this symbol type cannot be built";
    case BARSIZE_E_STACKED_LENGTH: return "the data is too long for the symbol type";
    case BARSIZE_E_STACKED_LINE: return "a picture line would be too long";
    case BARSIZE_E_STACKED_CHARACTER: return "the data holds a character the symbol cannot encode";
    default: return "the symbol could not be built (status " + std::to_string(status) + ")";
    }
}

// Symbol rows and separator rows, read from the picture: consecutive
// identical lines make one printed row. Symbol rows are at least 13 modules
// tall, separator rows one module each (two equal separators one above the
// other count as two).
void countRows(const Bitmap &picture, int separatorLines, int &rows, int &separators) {
    rows = separators = 0;
    int y = 0;
    while (y < picture.height) {
        int run = 1;
        const size_t w = static_cast<size_t>(picture.width);
        while (y + run < picture.height &&
               std::equal(picture.dark.begin() + static_cast<long>(w * (y + run)),
                          picture.dark.begin() + static_cast<long>(w * (y + run + 1)),
                          picture.dark.begin() + static_cast<long>(w * y)))
            ++run;
        if (run < 13 * separatorLines)
            separators += run / separatorLines > 1 ? run / separatorLines : 1;
        else
            ++rows;
        y += run;
    }
}

}  // namespace

int runDatabar(const Args &args) {
    CommonOptions common;
    std::vector<std::string> positionals;
    long module = 3, rowWidth = 0;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--module") takeIntValue(args, i, module, error);
        else if (a == "--row-width") takeIntValue(args, i, rowWidth, error);
        else takeOperand(args, i, positionals, error);
    }
    if (common.help) {
        std::printf(kUsage, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && positionals.empty()) error = "missing TYPE";
    if (error.empty() && positionals.size() > 2) error = "too many arguments";
    const DataBarType *type = nullptr;
    if (error.empty()) {
        type = typeFromName(positionals[0]);
        if (type == nullptr) error = "unknown type '" + positionals[0] + "'";
    }
    if (error.empty() && (rowWidth < 0 || rowWidth > 0xFFFF)) error = "--row-width must be 0 to 65535";
    std::string data;
    if (error.empty()) readData(common, positionals, 1, data, error);
    if (!error.empty()) {
        return usageError("databar", error);
    }

    const int32_t length = static_cast<int32_t>(data.size());
    int32_t status = 0, width = 0, height = 0;
    const uint8_t *bits = nullptr;
    int pictureWidth = 0, pictureLines = 0, bytesPerRow = 0;
    std::string message;
    if (type->subtype == 0) {
        const int32_t result = getBarCodeWidth(data.data(), length, type->code,
                                               static_cast<int32_t>(module), 0, 0, 0);
        if (result < 0) {
            status = result;
            message = explainLinear(result);
        } else {
            // The linear symbol as the library drew it.
            const databar::DataBarRequest &r = databar::lastDataBarRequest();
            width = result;
            height = r.symbolHeight;
            bits = databar::dataBarRaster();
            pictureWidth = r.symbolWidth;
            pictureLines = r.rasterLines;
            bytesPerRow = r.bytesPerRow;
        }
    } else {
        const StackedParams params = {static_cast<uint16_t>(module),
                                      static_cast<uint16_t>(rowWidth)};
        int16_t w = 0, h = 0, s = 0;
        SymbolImage image = {};
        const int32_t result = getBarCodeWidth2D(data.data(), length, type->code, type->subtype,
                                                 &params, &w, &h, &s, &image);
        if (result != 0) {
            status = s != 0 ? s : result;
            message = explainStacked(status);
        } else {
            width = static_cast<uint16_t>(w);
            height = static_cast<uint16_t>(h);
            bits = static_cast<const uint8_t *>(image.pixels);
            pictureWidth = image.width;
            pictureLines = image.rowCount;
            bytesPerRow = image.bytesPerRow;
        }
    }

    if (status != 0) return reportRefusal("databar", common, type->title, data, status, message);

    const Bitmap picture = bitmapFromRaster(bits, pictureWidth, pictureLines, bytesPerRow);
    const int moduleDots = module >= 1 && module <= 8 ? static_cast<int>(module) : 3;
    int rows = 0, separators = 0;
    countRows(picture, moduleDots, rows, separators);
    if (!common.output.empty()) {
        const int quiet = (common.quietZone >= 0 ? common.quietZone : 1) * moduleDots;
        if (!writeImage(common.output, picture, 1, 1, quiet, quiet, error)) {
            std::fprintf(stderr, "barsize databar: %s\n", error.c_str());
            return kExitUsage;
        }
    }
    if (common.json) {
        JsonFields fields = commonJsonFields(type->title, data, 0, width, height, common.dpi);
        fields.insert(fields.end(), {{"type", jsonString(type->name)},
                                     {"pictureWidth", jsonNumber(pictureWidth)},
                                     {"pictureHeight", jsonNumber(pictureLines)},
                                     {"rows", jsonNumber(rows)},
                                     {"separators", jsonNumber(separators)}});
        if (!common.output.empty()) fields.push_back({"file", jsonString(common.output)});
        std::printf("%s\n", jsonObject(fields).c_str());
        return kExitOk;
    }
    std::printf("%s\n", summaryLine(type->title, data, width, height, common.dpi).c_str());
    std::printf("%d row%s, %d separator row%s\n", rows, rows == 1 ? "" : "s", separators,
                separators == 1 ? "" : "s");
    if (!common.output.empty()) std::printf("wrote %s\n", common.output.c_str());
    return kExitOk;
}

}  // namespace barsize::cli
