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

namespace {

// The generator's coefficients multiplied by every byte value, so that one
// division step is a row of XORs, eight bytes at a time. Rows are padded
// with zeros to whole words.
constexpr int kRowWords = (kMaxEcPerBlock + 7) / 8;

struct RemainderTable {
    int ecCount;  // the generator the rows belong to; 0 = none yet
    uint64_t row[256][kRowWords];
};

RemainderTable remainderTable;

void buildRemainderTable(int ecCount) {
    RemainderTable &t = remainderTable;
    std::memset(t.row, 0, sizeof t.row);
    const uint16_t *g = kGenerators.exponents[ecCount];
    // Rows of the single-bit values from the logarithms, every other row as
    // the XOR of two smaller ones (multiplication is linear).
    for (int bit = 0; bit < 8; ++bit) {
        uint8_t *bytes = reinterpret_cast<uint8_t *>(t.row[1 << bit]);
        for (int j = 0; j < ecCount; ++j)
            bytes[j] = g[j] == 256 ? 0 : kGalois.power[(g[j] + bit) % 255];
    }
    for (int x = 3; x < 256; ++x) {
        const int low = x & -x;
        if (low == x) continue;
        for (int w = 0; w < kRowWords; ++w) t.row[x][w] = t.row[low][w] ^ t.row[x ^ low][w];
    }
    t.ecCount = ecCount;
}

}  // namespace

void computeBlockRemainder(const uint8_t *data, int length, int ecCount, uint8_t *out) {
    // Room for a whole padded row past the last data codeword.
    uint8_t work[kMaxBlockData + 8 * kRowWords + 8];
    if (length > kMaxBlockData || length < 0 || ecCount > kMaxEcPerBlock || ecCount < 1) return;
    if (remainderTable.ecCount != ecCount) buildRemainderTable(ecCount);
    const int words = (ecCount + 7) / 8;
    std::memcpy(work, data, static_cast<size_t>(length));
    std::memset(work + length, 0, sizeof work - static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const uint8_t x = work[i];
        if (x == 0) continue;
        const uint64_t *row = remainderTable.row[x];
        uint8_t *target = work + i + 1;
        for (int w = 0; w < words; ++w) {
            uint64_t word;
            std::memcpy(&word, target + 8 * w, 8);
            word ^= row[w];
            std::memcpy(target + 8 * w, &word, 8);
        }
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
