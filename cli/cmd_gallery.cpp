// barsize gallery: one picture of every symbology and variant, with an
// index.html giving each one's data and reported size.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "symbol_drawing.h"
#include "symbology_names.h"

namespace barsize::cli {

namespace {

enum class Kind { Linear, Qr, Pdf417, Stacked };

struct GalleryEntry {
    const char *file;   // picture name without extension
    const char *title;
    Kind kind;
    int code;           // linear symbology, QR model, PDF417 options or DataBar sub-type
    const char *data;
};

// The gallery, also read by the test that decodes every picture.
constexpr GalleryEntry kGallery[] = {
    {"upc-a", "UPC-A", Kind::Linear, BARSIZE_UPC_A, "01234567890"},
    {"upc-e", "UPC-E", Kind::Linear, BARSIZE_UPC_E, "01234500005"},
    {"ean-13", "EAN-13", Kind::Linear, BARSIZE_EAN13, "590123412345"},
    {"ean-8", "EAN-8", Kind::Linear, BARSIZE_EAN8, "9638507"},
    {"code-39", "Code 39", Kind::Linear, BARSIZE_CODE39, "BARSIZE-39"},
    {"itf", "ITF", Kind::Linear, BARSIZE_ITF, "12345678"},
    {"codabar", "Codabar", Kind::Linear, BARSIZE_CODABAR, "A40156B"},
    {"code-93", "Code 93", Kind::Linear, BARSIZE_CODE93, "Barsize 93"},
    {"code-128", "Code 128", Kind::Linear, BARSIZE_CODE128, "{BBarsize 128"},
    {"databar-omni", "GS1 DataBar Omnidirectional", Kind::Linear, BARSIZE_DATABAR_OMNI,
     "0950110153000"},
    {"databar-truncated", "GS1 DataBar Truncated", Kind::Linear, BARSIZE_DATABAR_TRUNCATED,
     "0950110153000"},
    {"databar-limited", "GS1 DataBar Limited", Kind::Linear, BARSIZE_DATABAR_LIMITED,
     "0950110153000"},
    {"databar-expanded", "GS1 DataBar Expanded", Kind::Linear, BARSIZE_DATABAR_EXPANDED,
     "(01)09501101530003(3103)001750"},
    {"pdf417", "PDF417", Kind::Pdf417, 0, "Receipt 12345: 2 coffees, 1 bagel. Total 9.40"},
    {"pdf417-truncated", "PDF417 truncated", Kind::Pdf417, 1,
     "Receipt 12345: 2 coffees, 1 bagel. Total 9.40"},
    {"qr-model-1", "QR Code Model 1", Kind::Qr, 1, "BARSIZE MODEL 1"},
    {"qr-model-2", "QR Code Model 2", Kind::Qr, 2, "https://example.com/receipt/12345"},
    {"databar-stacked", "GS1 DataBar Stacked", Kind::Stacked, BARSIZE_SUB_STACKED,
     "0950110153000"},
    {"databar-stacked-omni", "GS1 DataBar Stacked Omnidirectional", Kind::Stacked,
     BARSIZE_SUB_STACKED_OMNI, "0950110153000"},
    {"databar-expanded-stacked", "GS1 DataBar Expanded Stacked", Kind::Stacked,
     BARSIZE_SUB_EXPANDED_STACKED, "(01)09501101530003(15)251231(10)ABC123"},
};

const char *const kUsage =
    "usage: barsize gallery DIR [--dpi N] [--pbm]\n\n"
    "Writes one PNG picture of every symbology and variant into DIR, and\n"
    "DIR/index.html showing each with its data and its size in dots and mm.\n"
    "  --pbm              also write each picture as PBM\n"
    "  --dpi N            printer resolution for millimetres (default 203)\n";

DrawnSymbol draw(const GalleryEntry &e) {
    switch (e.kind) {
        case Kind::Linear:
            return drawLinearSymbol(e.code, e.data, 2, 60);
        case Kind::Qr: {
            const QrParams params = {static_cast<uint16_t>(e.code == 1 ? 49 : 50), 4, 49};
            return drawQrSymbol(e.data, params);
        }
        case Kind::Pdf417: {
            const Pdf417Params params = {3, 0, 2, 3, 0, 50, static_cast<uint16_t>(e.code)};
            return drawPdf417Symbol(e.data, params);
        }
        case Kind::Stacked: {
            const StackedParams params = {2, 300};
            return drawStackedDataBar(e.data, e.code, params);
        }
    }
    return {};
}

std::string htmlEscape(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out.push_back(c);
    }
    return out;
}

}  // namespace

int runGallery(const Args &args) {
    std::string dir, error;
    bool pbm = false;
    long dpi = 203;
    for (size_t i = 0; i < args.size() && error.empty();) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::printf("%s", kUsage);
            return kExitOk;
        }
        if (args[i] == "--pbm") {
            pbm = true;
            ++i;
        } else if (args[i] == "--dpi") {
            takeIntInRange(args, i, dpi, 1, 10000, "1 to 10000", error);
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            error = "unknown option " + args[i];
        } else if (dir.empty()) {
            dir = args[i++];
        } else {
            error = "too many arguments";
        }
    }
    if (error.empty() && dir.empty()) error = "missing DIR";
    if (!error.empty()) {
        return usageError("gallery", error);
    }
    mkdir(dir.c_str(), 0755);

    std::string rows;
    int failures = 0;
    for (const GalleryEntry &e : kGallery) {
        const DrawnSymbol drawn = draw(e);
        if (drawn.status != 0) {
            std::fprintf(stderr, "barsize gallery: %s refused its data (status %d)\n", e.title,
                         drawn.status);
            ++failures;
            continue;
        }
        const int quiet = 4 * drawn.moduleDots;
        const std::string base = dir + "/" + e.file;
        if (!writeImage(base + ".png", drawn.picture, drawn.scale, drawn.scale, quiet, quiet, error) ||
            (pbm && !writeImage(base + ".pbm", drawn.picture, drawn.scale, drawn.scale, quiet, quiet,
                                error))) {
            std::fprintf(stderr, "barsize gallery: %s\n", error.c_str());
            return kExitUsage;
        }
        const int d = static_cast<int>(dpi);
        rows += "<tr><td><img src=\"" + std::string(e.file) + ".png\" alt=\"" + e.title +
                "\"></td><td><b>" + e.title + "</b><br><code>" + htmlEscape(printable(e.data)) +
                "</code></td><td>" + std::to_string(drawn.width) + " &times; " +
                std::to_string(drawn.height) + " dots<br>" + millimetres(drawn.width, d) +
                " &times; " + millimetres(drawn.height, d) + " mm at " + std::to_string(d) +
                " dpi</td></tr>\n";
        std::printf("%-38s %5ld x %-5ld dots  %s.png\n", e.title, drawn.width, drawn.height,
                    e.file);
    }
    std::ofstream html(dir + "/index.html");
    html << "<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>barsize gallery</title>\n"
            "<style>body{font-family:sans-serif}td{padding:8px 16px;vertical-align:middle;"
            "border-bottom:1px solid #ddd}img{image-rendering:pixelated}</style></head>\n"
            "<body><h1>barsize gallery</h1>\n<p>Each symbol as the printer prints it, one "
            "picture pixel per printer dot, with its reported size (linear symbols: bar width; "
            "heights of linear pictures are the drawn bar height).</p>\n<table>\n"
         << rows << "</table></body></html>\n";
    if (!html) {
        std::fprintf(stderr, "barsize gallery: cannot write %s/index.html\n", dir.c_str());
        return kExitUsage;
    }
    std::printf("gallery written to %s/index.html\n", dir.c_str());
    return failures == 0 ? kExitOk : kExitRefused;
}

}  // namespace barsize::cli
