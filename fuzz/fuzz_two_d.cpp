// getBarCodeWidth2D, get2DBarCodeWidth and the five shortcuts with every
// symbology, sub-type and parameter record drawn from the input. Checks:
// a failure leaves every output but the status alone; a success describes a
// raster wholly inside the library's storage with sizes that follow from the
// record; the locked export answers exactly like the unlocked one and hands
// over a block holding that raster; every shortcut reports the same number;
// DataBar sizes what it draws.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "barsize.h"
#include "call_data.h"
#include "databar_passes_check.h"
#include "fuzz_checks.h"
#include "fuzz_input.h"
#include "raster_checks.h"

using namespace barsize::fuzz;

namespace {

constexpr int32_t kSymbologies[7] = {48, 49, 51, 48 + 65536, 49 + 65536, 50, 0};
constexpr int32_t kSubtypes[7] = {72, 73, 76, 0, 74, 72 + 65536, 76 + 0x7FFF0000};

int32_t pick(FuzzInput &in, const int32_t (&table)[7]) {
    const uint8_t i = takeByte(in) % 8;
    return i < 7 ? table[i] : takeInt(in);
}

size_t recordSize(uint16_t symbology) {
    if (symbology == 48) return sizeof(Pdf417Params);
    if (symbology == 49) return sizeof(QrParams);
    return sizeof(StackedParams);
}

Outputs2D sentinelOutputs() {
    Outputs2D o;
    std::memset(&o, 0xA5, sizeof o);
    o.image.pixels = nullptr;
    return o;
}

bool sameOutputs(const Outputs2D &a, const Outputs2D &b) {
    return a.width == b.width && a.height == b.height &&
           std::memcmp(&a.image, &b.image, sizeof a.image) == 0;
}

// The shortcut arguments carry random high bits: only the low 16 count.
int32_t widen(uint16_t field, uint16_t high) {
    return static_cast<int32_t>(field | (static_cast<uint32_t>(high) << 16));
}

int32_t expectedShortcut(int32_t result, int16_t value) {
    return result == 0 ? static_cast<uint16_t>(value) : result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzInput in = {bytes, size, 0};
    const int32_t symbology = pick(in, kSymbologies);
    const int32_t subtype = pick(in, kSubtypes);
    uint8_t fields[14];
    for (uint8_t &b : fields) b = takeByte(in);
    const uint16_t high = static_cast<uint16_t>(takeByte(in) * 257u);
    const LengthMode mode = takeLengthMode(in);
    const uint32_t extra = takeByte(in) | (static_cast<uint32_t>(takeByte(in)) << 8);
    CallData call = makeCallData(in, mode, extra);
    const char *data = dataPointer(call);

    const uint16_t code = static_cast<uint16_t>(symbology);
    const size_t paramsSize = recordSize(code);
    void *params = std::malloc(paramsSize);
    std::memcpy(params, fields, paramsSize);

    Outputs2D a = sentinelOutputs();
    const Outputs2D before = a;
    const int32_t result = getBarCodeWidth2D(data, call.length, symbology, subtype, params,
                                             &a.width, &a.height, &a.status, &a.image);
    uint64_t digest = 0;
    if (result == 0) {
        checkSuccessfulImage(code, a);
        digest = rasterDigest(a.image);
        if (code == 51) checkDataBarPassesAgree();
    } else {
        FUZZ_CHECK(result < 0 && a.status < 0);
        FUZZ_CHECK(result == -1 || result == a.status);
        FUZZ_CHECK(sameOutputs(a, before));
    }

    // The locked export with a handle slot: the same answer and a copy.
    Outputs2D b = sentinelOutputs();
    void *const untouched = reinterpret_cast<void *>(0x1234);
    void *handle = untouched;
    b.image.pixels = &handle;
    const int32_t locked = get2DBarCodeWidth(data, call.length, symbology, subtype, params,
                                             &b.width, &b.height, &b.status, &b.image);
    FUZZ_CHECK(locked == result && b.status == a.status);
    if (result == 0) {
        FUZZ_CHECK(sameOutputs(a, b));
        FUZZ_CHECK(rasterDigest(b.image) == digest);
        const size_t blockSize = static_cast<size_t>(b.image.bytesPerRow) * b.image.rowCount;
        FUZZ_CHECK(handle != nullptr && handle != untouched);
        FUZZ_CHECK(barsizeBlockSize(handle) == blockSize);
        FUZZ_CHECK(std::memcmp(barsizeBlockBytes(handle), b.image.pixels, blockSize) == 0);
        barsizeBlockFree(handle);
    } else {
        FUZZ_CHECK(handle == untouched);
    }

    if (code == 48) {
        Pdf417Params p;
        std::memcpy(&p, fields, sizeof p);
        const int32_t w = getPDF417Width(data, call.length, widen(p.columns, high),
                                         widen(p.rows, high), widen(p.moduleWidth, high),
                                         widen(p.rowHeight, high), widen(p.ecMode, high),
                                         widen(p.ecValue, high), widen(p.options, high));
        const int32_t h = getPDF417Height(data, call.length, p.columns, p.rows, p.moduleWidth,
                                          p.rowHeight, p.ecMode, p.ecValue, p.options);
        FUZZ_CHECK(w == expectedShortcut(result, a.width));
        FUZZ_CHECK(h == expectedShortcut(result, a.height));
    } else if (code == 49) {
        QrParams p;
        std::memcpy(&p, fields, sizeof p);
        FUZZ_CHECK(getQRCodeWidth(data, call.length, widen(p.model, high),
                                  widen(p.moduleSize, high), widen(p.ecLevel, high)) ==
                   expectedShortcut(result, a.width));
    } else if (code == 51) {
        StackedParams p;
        std::memcpy(&p, fields, sizeof p);
        FUZZ_CHECK(getGS1Width(data, call.length, subtype, widen(p.moduleWidth, high),
                               widen(p.rowWidthLimit, high)) ==
                   expectedShortcut(result, a.width));
        FUZZ_CHECK(getGS1Height(data, call.length, subtype, p.moduleWidth, p.rowWidthLimit) ==
                   expectedShortcut(result, a.height));
    }

    std::free(params);
    freeCallData(call);
    return 0;
}
