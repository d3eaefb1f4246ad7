// Segmentation in one left-to-right scan: a new segment at every change of
// character class, and a window of the last finished segments in which
// neighbours are joined into a wider mode when that costs fewer bits. The
// scan is repeated with the count indicator widths of the version it
// arrives at, four passes at most.
#include "qrcode/analysis.h"
#include "qrcode/data_stream.h"

namespace barsize::qrcode {

namespace {

bool isAlphanumericByte(uint8_t c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return true;
    switch (c) {
        case ' ': case '$': case '%': case '*': case '+': case '-': case '.': case '/': case ':':
            return true;
        default:
            return false;
    }
}

int bytesOf(QrMode mode) { return mode == Kanji ? 2 : 1; }

int cost(const QrSegment &s, int group) { return segmentBits(s.mode, s.length, group); }

int offsetOf(const QrSegment &s) { return static_cast<int>(s.text - qrState.inputCopy); }

// Appends S0 to the segment list and moves the window down by one slot.
void emitSegment() {
    QrSegment *s = qrState.pendingSegments;
    if (qrState.segmentCount < kMaxSegments) qrState.segmentList[qrState.segmentCount++] = s[0];
    s[0] = s[1];
    s[1] = s[2];
    s[2] = s[3];
}

// Decides S0 and S1 once S2 is the end of the data; returns the open slot.
int resolvePair(int group) {
    QrSegment *s = qrState.pendingSegments;
    if (s[2].mode != EndOfData) return 2;
    const QrMode m = mergedMode(s[0].mode, s[1].mode);
    if (segmentBits(m, s[0].length + s[1].length, group) <= cost(s[0], group) + cost(s[1], group)) {
        s[0].mode = m;
        s[0].length = static_cast<uint16_t>(s[0].length + s[1].length);
        s[1] = s[2];
    } else {
        emitSegment();
    }
    while (s[0].mode != EndOfData) emitSegment();
    return 0;
}

// Decides among three finished segments A, B, C, with D the segment just
// opened (or the end of the data); returns the open slot.
int resolveTriple(int group) {
    QrSegment *s = qrState.pendingSegments;
    const QrSegment &a = s[0], &b = s[1], &c = s[2], &d = s[3];
    const int cA = cost(a, group), cB = cost(b, group), cC = cost(c, group);
    const QrMode mAB = mergedMode(a.mode, b.mode);
    const QrMode mBC = mergedMode(b.mode, c.mode);
    const QrMode mABC = mergedMode(mAB, mBC);
    const int cAB = segmentBits(mAB, a.length + b.length, group);
    const int cBC = segmentBits(mBC, b.length + c.length, group);
    const int cABC = segmentBits(mABC, a.length + b.length + c.length, group);
    const int bestBC = cBC < cB + cC ? cBC : cB + cC;

    enum { MergeAB, MergeBC, KeepA } choice;
    if (cABC <= cAB + cC) {
        if (cABC <= cA + bestBC) {
            const bool bcBeforeAlphanumeric =
                mABC == Byte && cBC <= cB + cC && mergedMode(mBC, d.mode) == Alphanumeric;
            choice = bcBeforeAlphanumeric ? MergeBC : MergeAB;
        } else {
            choice = KeepA;
        }
    } else {
        choice = cAB + cC <= cA + bestBC ? MergeAB : KeepA;
    }
    if (choice == KeepA) choice = (mBC == Byte || cBC > cB + cC) ? KeepA : MergeBC;

    if (choice == MergeAB) {
        s[0].mode = mAB;
        s[0].length = static_cast<uint16_t>(s[0].length + s[1].length);
        s[1] = s[2];
        s[2] = s[3];
    } else if (choice == MergeBC) {
        s[1].mode = mBC;
        s[1].length = static_cast<uint16_t>(s[1].length + s[2].length);
        s[2] = s[3];
    } else {
        emitSegment();
    }
    return resolvePair(group);
}

// One scan over the input with the count indicator widths of group; returns
// the number of bytes left unread at the segment limit.
int runPass(int group) {
    const uint8_t *in = qrState.inputCopy;
    const int count = qrState.inputLength;
    QrSegment *s = qrState.pendingSegments;
    qrState.segmentCount = 0;

    QrMode mode = classifyCharacter(in, 0, count);
    s[0] = QrSegment{mode, 0, in};
    int open = 0;
    int position = bytesOf(mode);
    while (position < count && qrState.segmentCount < kSegmentLimit) {
        mode = classifyCharacter(in, position, count);
        if (mode != s[open].mode) {
            s[open].length = static_cast<uint16_t>(position - offsetOf(s[open]));
            s[open + 1] = QrSegment{mode, 0, in + position};
            if (++open == 3) open = resolveTriple(group);
        }
        position += bytesOf(mode);
    }
    s[open].length = static_cast<uint16_t>(position - offsetOf(s[open]));
    s[open + 1] = QrSegment{EndOfData, 0, in + position};
    if (open == 0) emitSegment();
    else if (open == 1) resolvePair(group);
    else resolveTriple(group);
    return count - position;
}

}  // namespace

QrMode classifyCharacter(const uint8_t *data, int position, int count) {
    const uint8_t c = data[position];
    if (c >= '0' && c <= '9') return Numeric;
    if (isAlphanumericByte(c)) return Alphanumeric;
    if (position + 1 < count) {
        const uint8_t d = data[position + 1];
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEA) ||
                          (c == 0xEB && d <= 0xBF);
        if (lead && d >= 0x40 && d <= 0xFC && d != 0x7F) return Kanji;
    }
    return Byte;
}

QrMode mergedMode(QrMode a, QrMode b) {
    const QrMode larger = a > b ? a : b;
    return (larger == Kanji && a != b) ? Byte : larger;
}

int segmentDataBits(QrMode mode, int length) {
    switch (mode) {
        case Numeric: {
            static const int kTail[3] = {0, 4, 7};
            return 10 * (length / 3) + kTail[length % 3];
        }
        case Alphanumeric:
            return 11 * (length / 2) + 6 * (length % 2);
        case Byte:
            return 8 * length;
        case Kanji:
            return 13 * ((length + 1) / 2);
        default:
            return 0;
    }
}

int segmentBits(QrMode mode, int length, int group) {
    if (mode == EndOfData) return 0;
    return 4 + kCountBits[mode][group] + segmentDataBits(mode, length);
}

void analyseData() {
    qrState.versionIndex = 0;
    for (int pass = 1;; ++pass) {
        const int estimate = qrState.versionIndex;
        qrState.unreadBytes = static_cast<uint16_t>(runPass(countGroup(estimate)));
        const int v = selectVersion(qrState.segmentList, qrState.segmentCount, qrState.level);
        qrState.versionIndex = v;
        if (v < 9 || v == estimate || pass == 4) return;
        if (v <= 25 && estimate >= 9) return;
        if (v >= 26 && estimate >= 26) return;
    }
}

}  // namespace barsize::qrcode
