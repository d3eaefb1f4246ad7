// Shared helpers of the QR Code tests.
#pragma once

#include <cstdint>
#include <string>

#include "barsize.h"

namespace barsize::test {

struct QrRun {
    int32_t result = 0;
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image{};
};

// Encodes through getBarCodeWidth2D.
inline QrRun encodeQr(const std::string &data, uint16_t model, uint16_t level,
                      uint16_t moduleSize = 1) {
    QrRun run;
    const QrParams params = {model, moduleSize, level};
    run.result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 49, 0, &params,
                                   &run.width, &run.height, &run.status, &run.image);
    return run;
}

// Hex text of the first `count` bytes, e.g. "10 14 7B".
inline std::string hexBytes(const uint8_t *bytes, int count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i) out += ' ';
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

}  // namespace barsize::test
