// The compaction chooses text, byte or numeric compaction run by run with a
// lookahead of fixed thresholds; the choice decides the codeword count and so
// the printed size.
#include "pdf417/compaction.h"

#include "pdf417/text_submodes.h"

namespace barsize::pdf417 {

namespace {

enum class Mode : uint8_t { Text, Byte, Numeric };

enum class RunKind : uint8_t { Stop, Text, Byte, Numeric };

struct Run {
    RunKind kind;
    uint32_t length;
};

struct CompactionState {
    Mode mode;
    TextSubmode submode;
    bool full;  // the list refused an entry: capacity exhausted
};

constexpr int kEndOfData = -1;

int next(DataReader &r) {
    if (r.readPosition >= r.length) return kEndOfData;
    const int byte = r.data[r.readPosition++];
    r.lookaheadPosition = r.readPosition;
    return byte;
}

int peek(DataReader &r) {
    if (r.lookaheadPosition >= r.length) return kEndOfData;
    return r.data[r.lookaheadPosition++];
}

void rewind(DataReader &r) { r.lookaheadPosition = r.readPosition; }

// Only ever the byte just consumed goes back.
void putBack(DataReader &r) {
    if (r.readPosition > 0) --r.readPosition;
    r.lookaheadPosition = r.readPosition;
}

// Byte at an absolute position, kEndOfData past the end.
int byteAt(const DataReader &r, uint32_t position) {
    return position < r.length ? r.data[position] : kEndOfData;
}

uint8_t classOf(int byte) { return byte < 0 ? 0 : kTextClass[byte]; }
bool isDigit(int byte) { return (classOf(byte) & kClassDigit) != 0; }
bool isText(int byte) { return (classOf(byte) & kClassText) != 0; }

// The list's limit: the data capacity, never more entries than the list holds.
int32_t listLimit(const CodewordList &list) {
    return list.dataCapacity < kMaxCodewords ? list.dataCapacity : kMaxCodewords;
}

void append(CodewordList &list, CompactionState &state, uint32_t codeword) {
    if (list.count >= kMaxCodewords) {
        state.full = true;
        return;
    }
    list.items[list.count++] = static_cast<uint16_t>(codeword);
}

// Digits that `codewords` numeric codewords carry.
int32_t numericDigitLimit(int32_t codewords) {
    static const int32_t kDigitsPerCodewords[15] = {0,  2,  5,  8,  11, 14, 17, 20,
                                                    23, 26, 29, 32, 35, 38, 41};
    return kDigitsPerCodewords[codewords % 15] + 44 * (codewords / 15);
}

// Bytes that `codewords` byte codewords carry.
int32_t byteLimit(int32_t codewords) { return codewords % 5 + 6 * (codewords / 5); }

bool tryNumeric(DataReader &r, int32_t remaining, Mode mode, Run &run) {
    if (remaining < 2) return false;
    const int32_t limit = numericDigitLimit(remaining - 1);
    rewind(r);
    int32_t n = 0;
    int after = kEndOfData;
    while (n < limit) {
        after = peek(r);
        if (!isDigit(after)) break;
        ++n;
    }
    int32_t threshold;
    if (n < limit && isText(after)) threshold = 13;
    else threshold = mode == Mode::Text ? 7 : 0;
    if (n <= threshold) return false;
    run = {RunKind::Numeric, static_cast<uint32_t>(n)};
    return true;
}

// False when the bytes here do not make a text run (bytes are tried next).
bool tryText(DataReader &r, int32_t remaining, Run &run) {
    const int32_t maxChars = 2 * remaining;
    rewind(r);
    int byte = peek(r);
    int32_t g = 1;
    int32_t digits = isDigit(byte) ? 1 : 0;
    bool digitRunCut = false;
    while (g < maxChars) {
        byte = peek(r);
        if (!isText(byte)) break;
        ++g;
        if (g >= maxChars) break;
        if (isDigit(byte)) {
            if (++digits > 13) {
                g -= 14;
                digitRunCut = true;
                break;
            }
        } else {
            digits = 0;
        }
    }
    if (g <= 0) return false;
    const int32_t least = maxChars < 5 ? maxChars : 5;
    const bool reachedEnd = r.lookaheadPosition >= r.length;
    if (g >= least || reachedEnd || digitRunCut) {
        run = {RunKind::Text, static_cast<uint32_t>(g)};
        return true;
    }
    return false;
}

Run chooseByteRun(DataReader &r, int32_t remaining) {
    if (remaining == 1) return {RunKind::Stop, 0};
    const int32_t maxBytes = byteLimit(remaining - 1);
    rewind(r);
    int32_t k = 0;
    int32_t textBytes = 0;
    for (;;) {
        const int byte = peek(r);
        if (byte == kEndOfData) break;
        ++k;
        if (k >= maxBytes) break;
        if (isText(byte)) {
            if (++textBytes == 5) {
                k -= 5;
                break;
            }
        } else {
            textBytes = 0;
        }
    }
    if (k <= 0) return {RunKind::Stop, 0};
    return {RunKind::Byte, static_cast<uint32_t>(k)};
}

Run chooseRun(DataReader &r, const CodewordList &list, Mode mode) {
    const int32_t remaining = listLimit(list) - list.count;
    rewind(r);
    if (remaining <= 0) return {RunKind::Stop, 0};
    if (remaining == 1 && mode != Mode::Text) return {RunKind::Stop, 0};
    const int first = peek(r);
    if (first == kEndOfData) return {RunKind::Stop, 0};
    Run run;
    if (isDigit(first) && tryNumeric(r, remaining, mode, run)) return run;
    if (isText(first) && tryText(r, remaining, run)) return run;
    return chooseByteRun(r, remaining);
}

// True when the `count` bytes after `position` all have class bits `mask`.
bool followedBy(const DataReader &r, uint32_t position, int count, uint8_t mask) {
    for (int i = 0; i < count; ++i)
        if ((classOf(byteAt(r, position + i)) & mask) == 0) return false;
    return true;
}

// The switch values and the character's value for byte `c` in the current
// sub-mode; `after` is the position of the byte that follows it.
int textValues(const DataReader &r, uint32_t after, int c, TextSubmode &submode,
               uint8_t values[3]) {
    const uint8_t cls = classOf(c);
    int n = 0;
    TextSubmode table = submode;  // the table the character is written in
    switch (submode) {
        case kUpper:
        case kLower:
            if (cls & (submode == kUpper ? kClassUpper : kClassLower)) {
                // written as it is
            } else if (submode == kUpper && (cls & kClassLower)) {
                values[n++] = kLatchLower;
                submode = table = kLower;
            } else if (submode == kLower && (cls & kClassUpper)) {
                if (followedBy(r, after, 4, kClassUpper)) {
                    values[n++] = kLatchMixed;
                    values[n++] = kLatchUpperFromMixed;
                    submode = kUpper;
                } else {
                    values[n++] = kShiftUpper;
                }
                table = kUpper;
            } else if (cls & kClassPunctuation) {
                if (followedBy(r, after, 3, kClassPunctuation)) {
                    values[n++] = kLatchMixed;
                    values[n++] = kLatchPunctuationFromMixed;
                    submode = kPunctuation;
                } else {
                    values[n++] = kShiftPunctuation;
                }
                table = kPunctuation;
            } else {
                values[n++] = kLatchMixed;
                submode = table = kMixed;
            }
            break;
        case kMixed:
            if (cls & kClassMixed) {
                // written as it is
            } else if (cls & kClassUpper) {
                values[n++] = kLatchUpperFromMixed;
                submode = table = kUpper;
            } else if (cls & kClassLower) {
                values[n++] = kLatchLower;
                submode = table = kLower;
            } else {
                if (followedBy(r, after, 3, kClassPunctuation)) {
                    values[n++] = kLatchPunctuationFromMixed;
                    submode = kPunctuation;
                } else {
                    values[n++] = kShiftPunctuation;
                }
                table = kPunctuation;
            }
            break;
        case kPunctuation:
            // Every way out of punctuation passes through upper.
            if (cls & kClassPunctuation) {
                // written as it is
            } else if (cls & kClassUpper) {
                values[n++] = kLatchUpperFromPunctuation;
                submode = table = kUpper;
            } else if (cls & kClassMixed) {
                values[n++] = kLatchUpperFromPunctuation;
                values[n++] = kLatchMixed;
                submode = table = kMixed;
            } else {
                values[n++] = kLatchUpperFromPunctuation;
                values[n++] = kLatchLower;
                submode = table = kLower;
            }
            break;
    }
    values[n++] = static_cast<uint8_t>(kTextValue[table][c]);
    return n;
}

// Returns false when capacity cut the run short.
bool encodeText(DataReader &r, CodewordList &list, CompactionState &state, uint32_t g) {
    if (state.mode != Mode::Text) {
        append(list, state, kTextLatch);
        state.submode = kUpper;
        state.mode = Mode::Text;
    }
    int32_t budget = 2 * (listLimit(list) - list.count);
    int pending = -1;
    bool complete = true;
    for (uint32_t i = 0; i < g; ++i) {
        const int c = next(r);
        if (!isText(c)) break;  // cannot happen: the run was measured
        uint8_t values[3];
        TextSubmode submode = state.submode;
        const int n = textValues(r, r.readPosition, c, submode, values);
        if (n > budget) {
            putBack(r);
            complete = false;
            break;
        }
        budget -= n;
        state.submode = submode;
        for (int v = 0; v < n; ++v) {
            if (pending < 0) {
                pending = values[v];
            } else {
                append(list, state, static_cast<uint32_t>(pending) * 30 + values[v]);
                pending = -1;
            }
        }
    }
    if (pending >= 0) {
        append(list, state, static_cast<uint32_t>(pending) * 30 + kPadValue);
        // In punctuation the pad value latches back to upper.
        if (state.submode == kPunctuation) state.submode = kUpper;
    }
    return complete;
}

void encodeBytes(DataReader &r, CodewordList &list, CompactionState &state, uint32_t k) {
    if (k == 1 && state.mode == Mode::Text) {
        append(list, state, kByteShift);
        append(list, state, static_cast<uint32_t>(next(r)));
        return;
    }
    if (state.mode != Mode::Byte) {
        append(list, state, k % 6 == 0 ? kByteLatchSix : kByteLatch);
        state.mode = Mode::Byte;
    }
    uint32_t left = k;
    for (; left >= 6; left -= 6) {
        uint64_t group = 0;
        for (int i = 0; i < 6; ++i) group = (group << 8) | static_cast<uint32_t>(next(r));
        uint32_t digits[5];
        for (int i = 4; i >= 0; --i) {
            digits[i] = static_cast<uint32_t>(group % 900);
            group /= 900;
        }
        for (uint32_t d : digits) append(list, state, d);
    }
    for (; left > 0; --left) append(list, state, static_cast<uint32_t>(next(r)));
}

// One numeric group of up to 44 digits, with the leading 1, in base 900.
void encodeNumericGroup(DataReader &r, CodewordList &list, CompactionState &state,
                        uint32_t digitCount) {
    // The number as limbs of six decimal digits, most significant first.
    uint32_t limbs[8];
    const uint32_t totalDigits = digitCount + 1;
    uint32_t digitsInLimb = totalDigits % 6 == 0 ? 6 : totalDigits % 6;
    int length = 0;
    uint32_t limb = 1;
    uint32_t filled = 1;
    for (uint32_t i = 0; i < digitCount; ++i) {
        if (filled == digitsInLimb) {
            limbs[length++] = limb;
            limb = 0;
            filled = 0;
            digitsInLimb = 6;
        }
        limb = limb * 10 + static_cast<uint32_t>(next(r) - '0');
        ++filled;
    }
    limbs[length++] = limb;
    uint16_t base900[16];
    int produced = 0;
    int start = 0;
    while (start < length) {
        // Divide by 900; the remainder is the next base-900 digit.
        uint32_t remainder = 0;
        for (int i = start; i < length; ++i) {
            const uint32_t value = remainder * 1000000u + limbs[i];  // below 9 * 10^8
            limbs[i] = value / 900;
            remainder = value % 900;
        }
        base900[produced++] = static_cast<uint16_t>(remainder);
        while (start < length && limbs[start] == 0) ++start;
    }
    for (int i = produced - 1; i >= 0; --i) append(list, state, base900[i]);
}

void encodeNumeric(DataReader &r, CodewordList &list, CompactionState &state, uint32_t n) {
    if (state.mode != Mode::Numeric) {
        append(list, state, kNumericLatch);
        state.mode = Mode::Numeric;
    }
    for (uint32_t left = n; left > 0;) {
        const uint32_t group = left < 44 ? left : 44;
        encodeNumericGroup(r, list, state, group);
        left -= group;
    }
}

}  // namespace

void startReader(DataReader &reader, const uint8_t *data, uint32_t length) {
    reader.data = data;
    reader.length = length;
    reader.readPosition = 0;
    reader.lookaheadPosition = 0;
}

bool readerAtEnd(const DataReader &reader) { return reader.readPosition >= reader.length; }

void compact(DataReader &reader, CodewordList &list, const Pdf417Settings &) {
    // A symbol starts in text compaction, upper sub-mode.
    CompactionState state = {Mode::Text, kUpper, false};
    while (!state.full) {
        const Run run = chooseRun(reader, list, state.mode);
        if (run.kind == RunKind::Stop) break;
        if (run.kind == RunKind::Numeric) {
            encodeNumeric(reader, list, state, run.length);
        } else if (run.kind == RunKind::Byte) {
            encodeBytes(reader, list, state, run.length);
        } else if (!encodeText(reader, list, state, run.length)) {
            break;
        }
    }
    // An entry the list could not take means data was lost: leave input over
    // so the caller refuses the request.
    if (state.full && reader.readPosition >= reader.length && reader.length > 0)
        reader.readPosition = reader.length - 1;
}

}  // namespace barsize::pdf417
