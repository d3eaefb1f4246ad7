// barsize qr: encode a QR Code (Model 1 or 2), report its geometry and
// segments, and draw it.
#include <cstdio>
#include <string>

#include "barsize.h"
#include "cli_common.h"
#include "commands.h"
#include "qrcode/qr_state.h"

namespace barsize::cli {

namespace {

const char *const kUsage =
    "usage: barsize qr [DATA] [options]\n\n"
    "Encodes a QR Code the way the printer prints it (smallest version, mask\n"
    "pattern 000, no quiet zone in the size) and reports its version, size in\n"
    "modules and dots, and the segments the data was cut into.\n\n"
    "Options:\n"
    "  --model N          1 or 2 (default 2)\n"
    "  --module N         dots per module, 1 to 16 (default 4)\n"
    "  --level L          error correction: L, M, Q or H, or 0 to 3 (default L)\n"
    "%s"
    "The picture's quiet zone defaults to 4 modules.\n";

const char *const kModeNames[] = {"numeric", "alphanumeric", "byte", "kanji"};

bool parseLevel(const std::string &text, long &level) {
    static const char kLetters[] = "LMQH";
    for (int i = 0; i < 4; ++i) {
        if (text.size() == 1 && (text[0] == kLetters[i] || text[0] == kLetters[i] + 32)) {
            level = i;
            return true;
        }
    }
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') {
        level = text[0] - '0';
        return true;
    }
    return false;
}

std::string statusText(int status) {
    switch (status) {
        case BARSIZE_E_QR_NO_DATA: return "no data";
        case BARSIZE_E_QR_TOO_LONG: return "more than 7,089 bytes of data";
        case BARSIZE_E_QR_TOO_MANY_SEGMENTS: return "the data changes mode too often (over 200 segments)";
        case BARSIZE_E_QR_TOO_BIG: return "no version of this model holds the data at this level";
        default: return "the library refused the data";
    }
}

// "byte 3, numeric 10" and its JSON form, from the encoder's segment list.
void describeSegments(std::string &text, std::string &json) {
    const qrcode::QrState &s = qrcode::qrState;
    json = "[";
    for (int i = 0; i < s.segmentCount; ++i) {
        const qrcode::QrSegment &seg = s.segmentList[i];
        const int characters = seg.mode == qrcode::Kanji ? seg.length / 2 : seg.length;
        if (i) {
            text += ", ";
            json += ",";
        }
        text += std::string(kModeNames[seg.mode]) + " " + std::to_string(characters);
        json += jsonObject({{"mode", jsonString(kModeNames[seg.mode])},
                            {"characters", jsonNumber(characters)},
                            {"bytes", jsonNumber(seg.length)}});
    }
    json += "]";
}

}  // namespace

int runQr(const Args &args) {
    CommonOptions common;
    std::vector<std::string> positionals;
    long model = 2, module = 4, level = 0;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty();) {
        const std::string &a = args[i];
        if (takeCommonOption(args, i, common, error)) continue;
        if (a == "--model") {
            if (takeIntValue(args, i, model, error) && model != 1 && model != 2)
                error = "--model takes 1 or 2";
        } else if (a == "--module") {
            takeIntInRange(args, i, module, 1, 16, "1 to 16", error);
        } else if (a == "--level") {
            if (i + 1 >= args.size() || !parseLevel(args[i + 1], level))
                error = "--level takes L, M, Q, H or 0 to 3";
            i += 2;
        } else {
            takeOperand(args, i, positionals, error);
        }
    }
    if (common.help) {
        std::printf(kUsage, kCommonOptionsHelp);
        return kExitOk;
    }
    if (error.empty() && positionals.size() > 1) error = "too many arguments";
    std::string data;
    if (error.empty()) readData(common, positionals, 0, data, error);
    if (!error.empty()) {
        return usageError("qr", error);
    }

    const QrParams params = {static_cast<uint16_t>(model), static_cast<uint16_t>(module),
                             static_cast<uint16_t>(level)};
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image{};
    const int32_t result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()),
                                             BARSIZE_QRCODE, 0, &params, &width, &height,
                                             &status, &image);
    const char levelName = "LMQH"[level];
    if (result != 0)
        return reportRefusal("qr", common, "QR Code", data, status, statusText(status));

    const int version = qrcode::qrState.versionIndex + 1;
    const long dotsWide = static_cast<uint16_t>(width), dotsHigh = static_cast<uint16_t>(height);
    std::string segmentsText, segmentsJson;
    describeSegments(segmentsText, segmentsJson);

    if (!common.output.empty()) {
        const int quiet = common.quietZone < 0 ? 4 : common.quietZone;
        const Bitmap bitmap = bitmapFromRaster(static_cast<const uint8_t *>(image.pixels), image.width,
                                               image.rowCount, image.bytesPerRow);
        if (!writeImage(common.output, bitmap, image.scaleX, image.scaleY, quiet, quiet, error)) {
            std::fprintf(stderr, "barsize qr: %s\n", error.c_str());
            return kExitUsage;
        }
    }
    if (common.json) {
        JsonFields fields = commonJsonFields("QR Code", data, 0, dotsWide, dotsHigh, common.dpi);
        fields.insert(fields.end(), {{"model", jsonNumber(model)},
                                     {"level", jsonString(std::string(1, levelName))},
                                     {"version", jsonNumber(version)},
                                     {"modules", jsonNumber(image.width)},
                                     {"moduleSize", jsonNumber(image.scaleX)},
                                     {"segments", segmentsJson}});
        if (!common.output.empty()) fields.push_back({"file", jsonString(common.output)});
        std::printf("%s\n", jsonObject(fields).c_str());
        return kExitOk;
    }
    const std::string title = "QR Code Model " + std::to_string(model) + ", level " + levelName;
    std::printf("%s\n", summaryLine(title, data, dotsWide, dotsHigh, common.dpi).c_str());
    std::printf("version %d, %d x %d modules of %d dots; the height counts %d dots of margin\n",
                version, image.width, image.height, image.scaleX,
                image.extraTopRows + image.extraBottomRows);
    std::printf("segments: %s\n", segmentsText.c_str());
    if (!common.output.empty()) std::printf("wrote %s\n", common.output.c_str());
    return kExitOk;
}

}  // namespace barsize::cli
