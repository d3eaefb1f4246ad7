// Error-correction codewords per block over GF(256), and Model 2's
// interleaving of the blocks.
#include "qrcode/error_correction.h"

#include <cstring>

#include "qrcode/galois_field.h"
#include "qrcode/qr_state.h"

namespace barsize::qrcode {

namespace {

constexpr int kMaxBlockData = 256;

int blockStart(const QrBlockLayout &l, int b) {
    return b < l.shortBlocks ? b * l.shortBlockData
                             : l.shortBlocks * l.shortBlockData + (b - l.shortBlocks) * (l.shortBlockData + 1);
}

int blockLength(const QrBlockLayout &l, int b) {
    return b < l.shortBlocks ? l.shortBlockData : l.shortBlockData + 1;
}

}  // namespace

QrBlockLayout blockLayout() {
    const QrVersionRow &row = versionRow(qrState.model, qrState.versionIndex);
    QrBlockLayout l{};
    l.dataCodewords = row.dataCodewords[qrState.level];
    l.totalCodewords = row.totalCodewords;
    l.blocks = row.blockCount[qrState.level];
    l.ecPerBlock = (l.totalCodewords - l.dataCodewords) / l.blocks;
    l.shortBlockData = l.dataCodewords / l.blocks;
    l.shortBlocks = qrState.model == Model2 ? l.blocks - l.dataCodewords % l.blocks : l.blocks;
    l.leftover = l.totalCodewords - l.dataCodewords - l.blocks * l.ecPerBlock;
    return l;
}

void computeBlockRemainder(const uint8_t *data, int length, int ecCount, uint8_t *out) {
    uint8_t work[kMaxBlockData + kMaxEcPerBlock];
    if (length > kMaxBlockData || ecCount > kMaxEcPerBlock || ecCount < 1) return;
    std::memcpy(work, data, static_cast<size_t>(length));
    std::memset(work + length, 0, static_cast<size_t>(ecCount));
    const uint16_t *g = kGenerators.exponents[ecCount];
    for (int i = 0; i < length; ++i) {
        const uint8_t x = work[i];
        if (x == 0) continue;
        const int logX = kGalois.logarithm[x];
        for (int j = 0; j < ecCount; ++j)
            if (g[j] != 256) work[i + 1 + j] ^= kGalois.power[(g[j] + logX) % 255];
    }
    std::memcpy(out, work + length, static_cast<size_t>(ecCount));
}

void addErrorCorrection() {
    const QrBlockLayout l = blockLayout();
    uint8_t *stream = qrState.dataStream;
    for (int b = 0; b < l.blocks; ++b)
        computeBlockRemainder(stream + blockStart(l, b), blockLength(l, b), l.ecPerBlock,
                              stream + l.dataCodewords + b * l.ecPerBlock);
    const int end = l.dataCodewords + l.blocks * l.ecPerBlock;
    for (int i = 0; i < l.leftover; ++i) stream[end + i] = (i % 2 == 0) ? 0xEC : 0x11;
}

void interleaveCodewords() {
    const QrBlockLayout l = blockLayout();
    const uint8_t *stream = qrState.dataStream;
    uint8_t *out = qrState.interleaved;
    int k = 0;
    for (int i = 0; i < l.shortBlockData; ++i)
        for (int b = 0; b < l.blocks; ++b) out[k++] = stream[blockStart(l, b) + i];
    for (int b = l.shortBlocks; b < l.blocks; ++b)
        out[k++] = stream[blockStart(l, b) + l.shortBlockData];
    for (int i = 0; i < l.ecPerBlock; ++i)
        for (int b = 0; b < l.blocks; ++b) out[k++] = stream[l.dataCodewords + b * l.ecPerBlock + i];
}

}  // namespace barsize::qrcode
