#include <string>

#include "bench_register.h"
#include "peers.h"

#if BARSIZE_BENCH_ZINT
#include <zint.h>
#endif

namespace barsize::bench {

#if BARSIZE_BENCH_ZINT

bool haveZint() { return true; }

int zintQrMask000() { return (0 + 1) << 8; }
int zintFullMultibyte() { return ZINT_FULL_MULTIBYTE; }

void addZint(const std::string &name, const char *peer, const ZintJob &job) {
    addPeer(
        name, peer,
        [job] {
            zint_symbol *symbol = ZBarcode_Create();
            symbol->symbology = job.symbology;
            symbol->option_1 = job.option1;
            symbol->option_2 = job.option2;
            symbol->option_3 = job.option3;
            symbol->input_mode = job.inputMode;
            return symbol;
        },
        [job](zint_symbol *symbol) {
            ZBarcode_Clear(symbol);
            const int result = ZBarcode_Encode(
                symbol, reinterpret_cast<const unsigned char *>(job.data.data()),
                static_cast<int>(job.data.size()));
            return result < ZINT_ERROR;
        },
        [](zint_symbol *symbol) { ZBarcode_Delete(symbol); });
}

#else

bool haveZint() { return false; }
int zintQrMask000() { return 0; }
int zintFullMultibyte() { return 0; }
void addZint(const std::string &, const char *, const ZintJob &) {}

#endif

}  // namespace barsize::bench
