// Every QR Code and PDF417 symbol the fuzzer makes the library draw must
// read back, through the independent test decoder, as exactly the data it
// encodes, with no error correction used. node takes most of a second to
// start, so symbols are decoded in batches; a symbol that does not read is
// reported with its input (also saved as decode-failure-<n>.bin) and the
// run aborts.
#include <pthread.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "barsize.h"
#include "support/decoder.h"

using barsize::test::DecodeResult;
using barsize::test::TestRaster;

namespace {

// Batches stay small enough for the decoder's input (a picture is one
// text line of pixels).
constexpr size_t kBatchSize = 60;
constexpr size_t kMaxData = 1200;

struct Pending {
    TestRaster raster;
    std::string data;
    std::string input;
    std::string description;
};

std::vector<Pending> pending;
int failures = 0;
size_t symbolsReadBack = 0;

std::string hex(const std::string &bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

void report(const Pending &p, const DecodeResult &r, const char *why) {
    const std::string name = "decode-failure-" + std::to_string(failures++) + ".bin";
    if (FILE *f = std::fopen(name.c_str(), "wb")) {
        std::fwrite(p.input.data(), 1, p.input.size(), f);
        std::fclose(f);
    }
    std::fprintf(stderr,
                 "symbol does not read back (%s): %s\n  data %s\n  decoded %s as %s, "
                 "unused error correction %.3f %s\n  input saved as %s\n",
                 why, p.description.c_str(), hex(p.data).c_str(), hex(r.bytes).c_str(),
                 r.format.c_str(), r.unusedErrorCorrection, r.error.c_str(), name.c_str());
}

const char *fault(const Pending &p, const DecodeResult &r) {
    if (!r.found) return "not found";
    if (r.bytes != p.data) return "wrong bytes";
    if (r.unusedErrorCorrection >= 0 && r.unusedErrorCorrection != 1.0)
        return "error correction used";
    return nullptr;
}

// The decoder fails as a whole while its node package is being reinstalled
// (npm ci in a shared checkout): a failed batch is run again a little later
// before the run gives up.
std::vector<DecodeResult> decode(const std::vector<TestRaster> &rasters) {
    for (int attempt = 1;; ++attempt) {
        try {
            return barsize::test::decodeRasters(rasters);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "the decoder failed on a batch of %zu symbols (attempt %d): %s\n",
                         rasters.size(), attempt, e.what());
            if (attempt == 5) std::abort();
            sleep(10);
        }
    }
}

// A symbol that does not read cleanly is tried again at two other scales:
// the decoder's sampling of a picture can use error correction at one scale
// and none at another, while a wrong codeword needs it at every scale.
void decodePending() {
    if (pending.empty()) return;
    std::vector<TestRaster> rasters;
    for (const Pending &p : pending) rasters.push_back(p.raster);
    const std::vector<DecodeResult> results = decode(rasters);
    std::vector<size_t> again;
    std::vector<TestRaster> rescaled;
    for (size_t i = 0; i < pending.size(); ++i) {
        if (fault(pending[i], results[i]) == nullptr) continue;
        for (int extra : {1, 2}) {
            again.push_back(i);
            rescaled.push_back(pending[i].raster);
            rescaled.back().scale += extra;
        }
    }
    const std::vector<DecodeResult> retried = decode(rescaled);
    bool bad = false;
    for (size_t k = 0; k + 1 < again.size(); k += 2) {
        const Pending &p = pending[again[k]];
        if (fault(p, retried[k]) == nullptr || fault(p, retried[k + 1]) == nullptr) continue;
        report(p, retried[k], fault(p, retried[k]));
        bad = true;
    }
    symbolsReadBack += pending.size();
    pending.clear();
    if (bad) std::abort();
}

void decodeAtExit() {
    decodePending();
    std::fprintf(stderr, "Symbols read back by the decoder: %zu\n", symbolsReadBack);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    std::atexit(decodeAtExit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    if (size < 8 || size - 8 > kMaxData) return 0;
    const bool qr = (bytes[0] & 1) == 0;
    const std::string data(reinterpret_cast<const char *>(bytes) + 8, size - 8);
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    Pending p;
    p.data = data;
    p.input.assign(reinterpret_cast<const char *>(bytes), size);
    int32_t result;
    std::string format = "PDF417";
    int scale = 1;
    if (qr) {
        const bool model1 = (bytes[1] & 1) != 0;
        const QrParams params = {static_cast<uint16_t>(model1 ? 49 : 50), 1,
                                 static_cast<uint16_t>(bytes[2] % 4)};
        result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 49, 0,
                                   &params, &width, &height, &status, &image);
        format = model1 ? "QRCodeModel1" : "QRCode";
        scale = 2;
        p.description = std::string("QR Code model ") + (model1 ? "1" : "2") + " level " +
                        std::to_string(params.ecLevel);
    } else {
        // Rows three or four modules high: lower rows are legal but too flat
        // to scan reliably, which would say nothing about the encoder; module
        // widths of one or two dots keep the pictures small.
        const Pdf417Params params = {
            static_cast<uint16_t>(bytes[1] % 32), static_cast<uint16_t>(bytes[2] % 92),
            static_cast<uint16_t>(1 + bytes[3] % 2), static_cast<uint16_t>(3 + bytes[4] % 2),
            static_cast<uint16_t>(bytes[5] & 1 ? 49 : 48), static_cast<uint16_t>(bytes[6] % 42),
            static_cast<uint16_t>(bytes[7] % 3)};
        result = getBarCodeWidth2D(data.data(), static_cast<int32_t>(data.size()), 48, 0,
                                   &params, &width, &height, &status, &image);
        scale = params.moduleWidth == 1 ? 2 : 1;
        p.description = "PDF417 columns " + std::to_string(params.columns) + " rows " +
                        std::to_string(params.rows) + " module " +
                        std::to_string(params.moduleWidth) + " row height " +
                        std::to_string(params.rowHeight) + " ec " + std::to_string(params.ecMode) +
                        "/" + std::to_string(params.ecValue) + " options " +
                        std::to_string(params.options);
    }
    if (result != 0) return 0;
    // Model 1 has no version information, without which the decoder finds
    // no symbol of 45 modules or more; the QR Code tests read those with
    // the version information drawn in.
    if (qr && image.width >= 45 && format == "QRCodeModel1") return 0;
    p.raster = barsize::test::rasterFromImage(image, format, scale);
    pending.push_back(p);
    if (pending.size() >= kBatchSize) decodePending();
    return 0;
}
