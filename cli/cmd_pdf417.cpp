// barsize pdf417: encode a PDF417 symbol the way the printer prints it,
// report its rows, columns, error-correction level, codewords and size, and
// draw it.
#include <cstdio>
#include <string>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "pdf417/pdf417.h"
#include "symbol_drawing.h"

namespace barsize::cli {

namespace {

const char *const kUsage =
    "usage: barsize pdf417 [DATA] [options]\n\n"
    "Encodes a PDF417 symbol the way the printer prints it and reports its rows,\n"
    "data columns, error-correction level, codewords and size in dots (the width\n"
    "counts the printer's 5 extra dots).\n\n"
    "Options:\n"
    "  --columns N        data columns, 1 to 30; 0 = automatic (default 0)\n"
    "  --rows N           rows, 3 to 90; 0 = automatic (default 0). With both\n"
    "                     --columns and --rows the layout is fixed\n"
    "  --module N         module width in dots, 1 to 8 (default 3)\n"
    "  --row-height N     row height in module widths, 1 to 8 (default 3)\n"
    "  --level N          error-correction level 0 to 8 (default 1)\n"
    "  --ratio PERCENT    error correction as a share of the data instead of a\n"
    "                     level: 10 to 400, in steps of 10\n"
    "  --truncated        truncated symbol (no right row indicator, one-bar stop)\n"
    "%s"
    "The picture's quiet zone defaults to 2 modules.\n";

std::string statusText(int status) {
    switch (status) {
        case BARSIZE_E_PDF417_NO_DATA: return "no data (or more than 65,532 bytes)";
        case BARSIZE_E_PDF417_NO_LAYOUT: return "no layout within the limits holds the symbol";
        case BARSIZE_E_PDF417_TOO_LONG: return "the data does not fit in the symbol";
        case BARSIZE_E_PDF417_NO_ROOM:
            return "the error correction leaves no room for data in these rows and columns";
        default: return "the library refused the data";
    }
}

// Reads an integer option and checks its range.

}  // namespace

int runPdf417(const Args &args) {
    CommonOptions common;
    std::vector<std::string> positionals;
    long columns = 0, rows = 0, module = 3, rowHeight = 3, level = 1, ratio = 0;
    bool truncated = false, levelGiven = false;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--columns") {
            takeIntInRange(args, i, columns, 0, 30, "0 to 30", error);
        } else if (a == "--rows") {
            takeIntInRange(args, i, rows, 0, 90, "0 or 3 to 90", error);
            if (error.empty() && rows > 0 && rows < 3) error = "--rows takes 0 or 3 to 90";
        } else if (a == "--module") {
            takeIntInRange(args, i, module, 1, 8, "1 to 8", error);
        } else if (a == "--row-height") {
            takeIntInRange(args, i, rowHeight, 1, 8, "1 to 8", error);
        } else if (a == "--level") {
            takeIntInRange(args, i, level, 0, 8, "0 to 8", error);
            levelGiven = true;
        } else if (a == "--ratio") {
            takeIntInRange(args, i, ratio, 10, 400, "10 to 400 (percent, in steps of 10)", error);
            if (error.empty() && ratio % 10 != 0) error = "--ratio takes 10 to 400 in steps of 10";
        } else if (a == "--truncated") {
            truncated = true;
            ++i;
        } else {
            takeOperand(args, i, positionals, error);
        }
    }
    if (common.help) {
        std::printf(kUsage, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && levelGiven && ratio != 0) error = "give --level or --ratio, not both";
    if (error.empty() && positionals.size() > 1) error = "too many arguments";
    std::string data;
    if (error.empty()) readData(common, positionals, 0, data, error);
    if (!error.empty()) {
        return usageError("pdf417", error);
    }

    const bool byRatio = ratio != 0;
    const Pdf417Params params = {static_cast<uint16_t>(columns),
                                 static_cast<uint16_t>(rows),
                                 static_cast<uint16_t>(module),
                                 static_cast<uint16_t>(rowHeight),
                                 static_cast<uint16_t>(byRatio ? 1 : 0),
                                 static_cast<uint16_t>(byRatio ? ratio / 10 : level),
                                 static_cast<uint16_t>(truncated ? 1 : 0)};
    const DrawnSymbol drawn = drawPdf417Symbol(data, params);
    const int status = drawn.status;
    const std::string ecText = byRatio ? std::to_string(ratio) + " %" : "level " + std::to_string(level);
    if (status != 0) return reportRefusal("pdf417", common, "PDF417", data, status, statusText(status));

    const pdf417::Pdf417Summary &s = pdf417::lastPdf417Summary();
    const long dotsWide = drawn.width, dotsHigh = drawn.height;
    if (!common.output.empty()) {
        // The picture is in dots; the quiet zone is given in modules.
        const int quiet = (common.quietZone < 0 ? 2 : common.quietZone) * s.moduleWidth;
        if (!writeImage(common.output, drawn.picture, 1, 1, quiet, quiet, error)) {
            std::fprintf(stderr, "barsize pdf417: %s\n", error.c_str());
            return kExitUsage;
        }
    }
    const char *type = s.symbolType == 1 ? "truncated" : "standard";
    if (common.json) {
        JsonFields fields = commonJsonFields("PDF417", data, 0, dotsWide, dotsHigh, common.dpi);
        fields.insert(fields.end(), {{"type", jsonString(type)},
                                     {"rows", jsonNumber(s.rows)},
                                     {"columns", jsonNumber(s.dataColumns)},
                                     {"level", jsonNumber(s.level)},
                                     {"dataCodewords", jsonNumber(s.dataCodewords)},
                                     {"padCodewords", jsonNumber(s.padCodewords)},
                                     {"ecCodewords", jsonNumber(s.ecCodewords)},
                                     {"modulesWide", jsonNumber(s.widthModules)},
                                     {"moduleWidth", jsonNumber(s.moduleWidth)},
                                     {"rowHeight", jsonNumber(s.rowHeightDots)}});
        if (!common.output.empty()) fields.push_back({"file", jsonString(common.output)});
        std::printf("%s\n", jsonObject(fields).c_str());
        return kExitOk;
    }
    std::printf("%s\n",
                summaryLine(std::string("PDF417 ") + type, data, dotsWide, dotsHigh, common.dpi).c_str());
    std::printf("%d rows x %d data columns, error-correction level %d%s\n", s.rows, s.dataColumns,
                s.level, byRatio ? (" (ratio " + ecText + ")").c_str() : "");
    std::printf("codewords: %d data (length descriptor included), %d pad, %d error correction\n",
                s.dataCodewords, s.padCodewords, s.ecCodewords);
    std::printf("modules: %d wide, %d dots each; rows %d dots high\n", s.widthModules,
                s.moduleWidth, s.rowHeightDots);
    std::printf("the width counts %d dots beyond the modules\n",
                static_cast<int>(dotsWide - s.widthModules * s.moduleWidth));
    if (!common.output.empty()) std::printf("wrote %s\n", common.output.c_str());
    return kExitOk;
}

}  // namespace barsize::cli
