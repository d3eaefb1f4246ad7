// QR Code Model 2 (versions 1, about 10, about 25, 40 in numeric, byte and
// Kanji data) and Model 1.
#include <string>

#include "barsize.h"
#include "bench_data.h"
#include "bench_register.h"
#include "peers.h"

namespace barsize::bench {

namespace {

enum { kZintQrCode = 58 };

enum class Content { Numeric, Bytes, Kanji };

struct QrCase {
    const char *name;
    uint16_t model;  // 50 Model 2, 49 Model 1 (no peer makes Model 1)
    uint16_t level;  // 0 L, 1 M, 2 Q, 3 H
    Content content;
    size_t count;    // digits, bytes or Kanji characters
};

std::string makeData(Content content, size_t count) {
    switch (content) {
        case Content::Numeric: return digits(count);
        case Content::Bytes: return lowerText(count);
        case Content::Kanji: return shiftJisKanji(count);
    }
    return std::string();
}

void addZintQr(const std::string &name, const QrCase &c, const std::string &data) {
    ZintJob job;
    job.symbology = kZintQrCode;
    job.option1 = c.level + 1;
    job.option3 = c.content == Content::Kanji ? zintFullMultibyte() : 0;
    job.data = data;
    addZint(name, kZint, job);
    job.option3 |= zintQrMask000();
    addZint(name, kZintMask000, job);
}

}  // namespace

void registerQrCodeCases() {
    const QrCase cases[] = {
        {"M2 v1 numeric 41", 50, 0, Content::Numeric, 41},
        {"M2 v10 numeric 652", 50, 0, Content::Numeric, 652},
        {"M2 v25 numeric 3000", 50, 0, Content::Numeric, 3000},
        {"M2 v40 numeric 7089", 50, 0, Content::Numeric, 7089},
        {"M2 v1 byte 17", 50, 0, Content::Bytes, 17},
        {"M2 v10-M byte 200", 50, 1, Content::Bytes, 200},
        {"M2 v25 byte 1273", 50, 0, Content::Bytes, 1273},
        {"M2 v40 byte 2953", 50, 0, Content::Bytes, 2953},
        {"M2 v1 Kanji 10", 50, 0, Content::Kanji, 10},
        {"M2 v10 Kanji 167", 50, 0, Content::Kanji, 167},
        {"M2 v25 Kanji 784", 50, 0, Content::Kanji, 784},
        {"M2 v40 Kanji 1817", 50, 0, Content::Kanji, 1817},
        {"M1 v1 numeric 41", 49, 0, Content::Numeric, 41},
        {"M1 v14 numeric 1100", 49, 0, Content::Numeric, 1100},
        {"M1 v14 byte 450", 49, 0, Content::Bytes, 450},
        {"M1 v14 Kanji 280", 49, 0, Content::Kanji, 280},
    };
    for (const QrCase &c : cases) {
        const std::string name = std::string("QR/") + c.name;
        const std::string data = makeData(c.content, c.count);
        const QrParams params = {c.model, 1, static_cast<uint16_t>(48 + c.level)};
        addOurs(name, [data, params] {
            int16_t width = 0, height = 0, status = 0;
            SymbolImage image = {};
            return getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()),
                                     BARSIZE_QRCODE, 0, &params, &width, &height, &status,
                                     &image);
        });
        if (c.model != 50) continue;
        addZintQr(name, c, data);
        QrencodeJob job;
        job.level = c.level;
        job.kanji = c.content == Content::Kanji;
        job.bytes = c.content == Content::Bytes;
        job.data = data;
        addQrencode(name, job);
    }
}

}  // namespace barsize::bench
