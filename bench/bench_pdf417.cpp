// PDF417: small, 1,000 bytes of text, byte and numeric heavy, the largest symbol.
#include <string>

#include "barsize.h"
#include "bench_data.h"
#include "bench_register.h"
#include "peers.h"

namespace barsize::bench {

namespace {

enum { kZintPdf417 = 55 };

struct Pdf417Case {
    const char *name;
    std::string data;
    uint16_t columns;      // both sides use this many data columns
    uint16_t moduleWidth;  // ours: dots per module (the page is 640 dots)
    uint16_t level;        // error-correction level, both sides
};

}  // namespace

void registerPdf417Cases() {
    const Pdf417Case cases[] = {
        {"ABC", "ABC", 8, 3, 1},
        {"text 1000 bytes", receiptText(1000), 10, 2, 5},
        {"binary 1000 bytes", binaryBytes(1000), 14, 2, 5},
        {"numeric 2000 digits", digits(2000), 12, 2, 5},
        {"largest: text 1700 bytes (30 columns, 29 rows)", upperText(1700), 30, 1, 2},
    };
    for (const Pdf417Case &c : cases) {
        const std::string name = std::string("PDF417/") + c.name;
        const std::string data = c.data;
        const Pdf417Params params = {c.columns, 0, c.moduleWidth, 3, 0, c.level, 0};
        addOurs(name, [data, params] {
            int16_t width = 0, height = 0, status = 0;
            SymbolImage image = {};
            return getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()),
                                     BARSIZE_PDF417, 0, &params, &width, &height, &status,
                                     &image);
        });
        ZintJob job;
        job.symbology = kZintPdf417;
        job.option1 = c.level;
        job.option2 = c.columns;
        job.data = c.data;
        addZint(name, kZint, job);
    }
}

}  // namespace barsize::bench
