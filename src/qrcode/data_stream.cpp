// The data bit stream: mode indicator, character count and data of each
// segment, the terminator, then the pad codewords.
#include "qrcode/data_stream.h"

#include <cstring>

#include "qrcode/analysis.h"

namespace barsize::qrcode {

namespace {

constexpr uint8_t kModeIndicator[4] = {0x1, 0x2, 0x4, 0x8};

// Bit writer over dataStream, most significant bit first. Writes past the
// end of the buffer are dropped.
struct BitWriter {
    uint32_t accumulator;
    int pendingBits;
    int bytes;
};

void flushBytes(BitWriter &w) {
    while (w.pendingBits >= 8) {
        w.pendingBits -= 8;
        if (w.bytes < kStreamBytes)
            qrState.dataStream[w.bytes] = static_cast<uint8_t>(w.accumulator >> w.pendingBits);
        ++w.bytes;
    }
}

void putBits(BitWriter &w, uint32_t value, int width) {
    w.accumulator = (w.accumulator << width) | (value & ((1u << width) - 1));
    w.pendingBits += width;
    flushBytes(w);
}

int alphanumericValue(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    switch (c) {
        case ' ': return 36;
        case '$': return 37;
        case '%': return 38;
        case '*': return 39;
        case '+': return 40;
        case '-': return 41;
        case '.': return 42;
        case '/': return 43;
        default: return 44;  // ':'
    }
}

void putSegmentData(BitWriter &w, const QrSegment &s) {
    const uint8_t *t = s.text;
    const int n = s.length;
    int i = 0;
    switch (s.mode) {
        case Numeric:
            for (; i + 3 <= n; i += 3)
                putBits(w, (t[i] - '0') * 100 + (t[i + 1] - '0') * 10 + (t[i + 2] - '0'), 10);
            if (n - i == 2) putBits(w, (t[i] - '0') * 10 + (t[i + 1] - '0'), 7);
            if (n - i == 1) putBits(w, t[i] - '0', 4);
            break;
        case Alphanumeric:
            for (; i + 2 <= n; i += 2)
                putBits(w, 45 * alphanumericValue(t[i]) + alphanumericValue(t[i + 1]), 11);
            if (n - i == 1) putBits(w, alphanumericValue(t[i]), 6);
            break;
        case Byte:
            for (; i < n; ++i) putBits(w, t[i], 8);
            break;
        case Kanji:
            for (; i + 2 <= n; i += 2) {
                const int lead = t[i] < 0xA0 ? t[i] - 0x81 : t[i] - 0xC1;
                putBits(w, lead * 0xC0 + (t[i + 1] - 0x40), 13);
            }
            break;
        default:
            break;
    }
}

int characterCount(const QrSegment &s) { return s.mode == Kanji ? s.length / 2 : s.length; }

}  // namespace

int selectVersion(const QrSegment *segments, int count, int level) {
    const QrModel model = qrState.model;
    // Stream bits with the count indicator widths of each group; a group
    // whose indicator cannot hold some segment's count cannot hold the data.
    int bits[3];
    bool countsFit[3];
    for (int group = 0; group < 3; ++group) {
        bits[group] = model == Model1 ? 4 : 0;
        countsFit[group] = true;
        for (int i = 0; i < count; ++i) {
            const QrSegment &s = segments[i];
            bits[group] += segmentBits(s.mode, s.length, group);
            if (characterCount(s) >= (1 << kCountBits[s.mode][group])) countsFit[group] = false;
        }
    }
    for (int v = 0; v < versionCount(model); ++v) {
        const int group = countGroup(v);
        if (countsFit[group] && bits[group] <= 8 * versionRow(model, v).dataCodewords[level])
            return v;
    }
    return -1;
}

int writeDataStream(const QrSegment *segments, int count, int versionIndex) {
    std::memset(qrState.dataStream, 0, sizeof qrState.dataStream);
    BitWriter w{0, 0, 0};
    if (qrState.model == Model1) putBits(w, 0, 4);
    const int group = countGroup(versionIndex);
    for (int i = 0; i < count; ++i) {
        const QrSegment &s = segments[i];
        putBits(w, kModeIndicator[s.mode], 4);
        putBits(w, static_cast<uint32_t>(characterCount(s)), kCountBits[s.mode][group]);
        putSegmentData(w, s);
    }
    // Terminator: four 0 bits, then 0 bits to the byte boundary.
    putBits(w, 0, 4);
    if (w.pendingBits > 0) putBits(w, 0, 8 - w.pendingBits);
    return w.bytes;
}

void padDataStream(int written, int dataCodewords) {
    for (int i = written, k = 0; i < dataCodewords; ++i, ++k)
        qrState.dataStream[i] = (k % 2 == 0) ? 0xEC : 0x11;
}

}  // namespace barsize::qrcode
