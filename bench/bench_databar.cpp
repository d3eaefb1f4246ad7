// GS1 DataBar: the four linear types and the three stacked ones.
#include <string>

#include "barsize.h"
#include "bench_register.h"
#include "peers.h"

namespace barsize::bench {

namespace {

// libzint's symbology numbers and input mode.
enum { kZintOmni = 29, kZintLimited = 30, kZintExpanded = 31, kZintStacked = 79,
       kZintStackedOmni = 80, kZintExpandedStacked = 81, kZintGs1Mode = 2 };

const char kItem[] = "0950110153000";
// (01)(3103)(15)(10): item, net weight, best before, batch.
const char kExpanded[] = "(01)09501101530003(3103)001750(15)970331(10)ABC123";
const char kExpandedZint[] = "[01]09501101530003[3103]001750[15]970331[10]ABC123";
// The same with a serial number after the batch (FNC1 between them).
const char kExpandedLong[] = "(01)09501101530003(3103)001750(15)970331(10)ABC123{1(21)12345678";
const char kExpandedLongZint[] = "[01]09501101530003[3103]001750[15]970331[10]ABC123[21]12345678";

struct LinearCase {
    const char *name;
    int32_t symbology;
    const char *data;
    int zintSymbology;
    const char *zintData;
};

struct StackedCase {
    const char *name;
    int32_t subtype;
    const char *data;
    int zintSymbology;
    const char *zintData;
};

ZintJob zintJob(int symbology, const char *data) {
    ZintJob job;
    job.symbology = symbology;
    job.data = data;
    if (data[0] == '[') job.inputMode = kZintGs1Mode;
    return job;
}

}  // namespace

void registerDataBarCases() {
    // Truncated differs from Omnidirectional only in height: libzint draws
    // the same modules.
    const LinearCase linear[] = {
        {"Omnidirectional", BARSIZE_DATABAR_OMNI, kItem, kZintOmni, kItem},
        {"Truncated", BARSIZE_DATABAR_TRUNCATED, kItem, kZintOmni, kItem},
        {"Limited", BARSIZE_DATABAR_LIMITED, kItem, kZintLimited, kItem},
        {"Expanded (01)(3103)(15)(10)", BARSIZE_DATABAR_EXPANDED, kExpanded, kZintExpanded,
         kExpandedZint},
    };
    for (const LinearCase &c : linear) {
        const std::string name = std::string("DataBar/") + c.name;
        const std::string data = c.data;
        const int32_t symbology = c.symbology;
        addOurs(name, [data, symbology] {
            return getBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), symbology, 2,
                                   0, 0, 1);
        });
        addZint(name, kZint, zintJob(c.zintSymbology, c.zintData));
    }

    const StackedCase stacked[] = {
        {"Stacked", BARSIZE_SUB_STACKED, kItem, kZintStacked, kItem},
        {"Stacked Omnidirectional", BARSIZE_SUB_STACKED_OMNI, kItem, kZintStackedOmni, kItem},
        {"Expanded Stacked (01)(3103)(15)(10)", BARSIZE_SUB_EXPANDED_STACKED, kExpanded,
         kZintExpandedStacked, kExpandedZint},
        {"Expanded Stacked (01)(3103)(15)(10)(21)", BARSIZE_SUB_EXPANDED_STACKED, kExpandedLong,
         kZintExpandedStacked, kExpandedLongZint},
    };
    for (const StackedCase &c : stacked) {
        const std::string name = std::string("DataBar/") + c.name;
        const std::string data = c.data;
        const int32_t subtype = c.subtype;
        addOurs(name, [data, subtype] {
            const StackedParams params = {2, 0};
            int16_t width = 0, height = 0, status = 0;
            SymbolImage image = {};
            return getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()),
                                     BARSIZE_DATABAR_STACKED_2D, subtype, &params, &width,
                                     &height, &status, &image);
        });
        ZintJob job = zintJob(c.zintSymbology, c.zintData);
        if (c.zintSymbology == kZintExpandedStacked) job.option2 = 2;  // segments per row
        addZint(name, kZint, job);
    }
}

}  // namespace barsize::bench
