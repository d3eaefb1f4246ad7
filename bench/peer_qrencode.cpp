#include <string>

#include "bench_register.h"
#include "peers.h"

#if BARSIZE_BENCH_QRENCODE
#include <qrencode.h>
#endif

namespace barsize::bench {

#if BARSIZE_BENCH_QRENCODE

bool haveQrencode() { return true; }

void addQrencode(const std::string &name, const QrencodeJob &job) {
    addPeer(
        name, kQrencode, [] { return 0; },
        [job](int) {
            const QRecLevel level = static_cast<QRecLevel>(job.level);
            QRcode *code =
                job.bytes ? QRcode_encodeData(static_cast<int>(job.data.size()),
                                              reinterpret_cast<const unsigned char *>(job.data.data()),
                                              0, level)
                          : QRcode_encodeString(job.data.c_str(), 0, level,
                                                job.kanji ? QR_MODE_KANJI : QR_MODE_8, 1);
            const bool ok = code != nullptr;
            QRcode_free(code);
            return ok;
        },
        [](int) {});
}

#else

bool haveQrencode() { return false; }
void addQrencode(const std::string &, const QrencodeJob &) {}

#endif

}  // namespace barsize::bench
