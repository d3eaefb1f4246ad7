// Linear widths: every symbology, short data and its longest data.
#include <string>

#include "barsize.h"
#include "bench_data.h"
#include "bench_register.h"
#include "peers.h"

namespace barsize::bench {

namespace {

struct LinearCase {
    const char *name;
    int32_t symbology;
    std::string data;      // ours
    int zintSymbology;     // 0: no peer case
    std::string zintData;  // the same symbol as libzint takes it
};

// libzint's symbology numbers.
enum { kZintItf = 3, kZintCode39 = 8, kZintEan = 13, kZintCodabar = 18, kZintCode128 = 20,
       kZintCode93 = 25, kZintUpcA = 34, kZintUpcE = 37 };

}  // namespace

void registerLinearCases() {
    const LinearCase cases[] = {
        {"UPC-A", BARSIZE_UPC_A, "01234567890", kZintUpcA, "01234567890"},
        {"UPC-E", BARSIZE_UPC_E, "01234500005", kZintUpcE, "0123455"},
        {"EAN-13", BARSIZE_EAN13, "590123412345", kZintEan, "590123412345"},
        {"EAN-8", BARSIZE_EAN8, "9638507", kZintEan, "9638507"},
        {"Code 39 6", BARSIZE_CODE39, "CODE39", kZintCode39, "CODE39"},
        {"Code 39 255", BARSIZE_CODE39, upperText(255), kZintCode39, upperText(255)},
        {"ITF 10", BARSIZE_ITF, digits(10), kZintItf, digits(10)},
        {"ITF 254", BARSIZE_ITF, digits(254), kZintItf, digits(254)},
        {"Codabar 7", BARSIZE_CODABAR, "A40156B", kZintCodabar, "A40156B"},
        {"Codabar 255", BARSIZE_CODABAR, "A" + digits(253) + "B", kZintCodabar,
         "A" + digits(253) + "B"},
        {"Code 93 6", BARSIZE_CODE93, "TEST93", kZintCode93, "TEST93"},
        {"Code 93 255", BARSIZE_CODE93, upperText(255), kZintCode93, upperText(255)},
        {"Code 128 text 10", BARSIZE_CODE128, "{B" + receiptText(8), kZintCode128, receiptText(8)},
        {"Code 128 100 digits", BARSIZE_CODE128, code128SetCValues(100), kZintCode128,
         code128SetCDigits(100)},
        {"Code 128 text 255", BARSIZE_CODE128, "{B" + receiptText(253), kZintCode128,
         receiptText(253)},
        {"Code 128 506 digits (255 bytes)", BARSIZE_CODE128, code128SetCValues(506), kZintCode128,
         code128SetCDigits(506)},
    };
    for (const LinearCase &c : cases) {
        const std::string name = std::string("Linear/") + c.name;
        const std::string data = c.data;
        const int32_t symbology = c.symbology;
        addOurs(name, [data, symbology] {
            return getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology, 2,
                                   2, 0, 0);
        });
        ZintJob job;
        job.symbology = c.zintSymbology;
        job.data = c.zintData;
        addZint(name, kZint, job);
    }
}

}  // namespace barsize::bench
