#include "linear/upc_e_rules.h"
#include "linear/upc_ean.h"

namespace barsize::linear {

bool suppressZeros(const uint8_t *upcA, uint8_t upcE[6]) {
    for (int rule = 0; rule < 10; ++rule) {
        const char *pattern = kUpcEZeroSuppression[rule];
        int kept = 0;
        bool matches = true;
        for (int i = 0; i < 11 && matches; ++i) {
            if (pattern[i] == 'x') {
                if (kept < 5) upcE[kept] = upcA[i];
                ++kept;
            } else {
                matches = upcA[i] == pattern[i] - '0';
            }
        }
        if (matches && kept == 5) {
            upcE[5] = static_cast<uint8_t>(rule);
            return true;
        }
    }
    return false;
}

}  // namespace barsize::linear
