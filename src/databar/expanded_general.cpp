// General-purpose Expanded data: numeric, alphanumeric and ISO 646 modes.
#include "databar/expanded_bits.h"
#include "databar/expanded_tables.h"

namespace barsize::databar {

namespace {

enum class Mode { Numeric, Alphanumeric, Iso646, Finished };

struct GeneralEncoder {
    const uint8_t *data;
    int32_t position;
    int32_t segmentsPerRow;
    Mode mode;
};

uint8_t classAt(const GeneralEncoder &e, int32_t at) { return kExpandedCharClass.at[e.data[at]]; }

bool endAt(const GeneralEncoder &e, int32_t at) { return e.data[at] == 0; }

bool isFnc1(uint8_t c) { return c == '#'; }

// Digit value of a numeric-capable character, 10 for FNC1.
uint32_t numericValue(uint8_t c) { return isFnc1(c) ? 10u : static_cast<uint32_t>(c - '0'); }

// Digits and FNC1 from `at` onwards, stopping at the first other character.
int32_t numericRun(const GeneralEncoder &e, int32_t at, int32_t limit) {
    int32_t n = 0;
    while (n < limit && (classAt(e, at + n) & kClassNumeric) != 0) ++n;
    return n;
}

void numericStep(GeneralEncoder &e, ExpandedBitStream &s) {
    const int32_t at = e.position;
    if (endAt(e, at)) {
        const ExpandedPad pad = padToCharacters(s.bitCount, e.segmentsPerRow);
        if (!pad.tooLong && pad.padBits >= 1) writeBits(s, pad.padBits < 4 ? pad.padBits : 4, 0);
        e.mode = Mode::Finished;
        return;
    }
    const uint8_t c = e.data[at];
    if ((classAt(e, at) & kClassNumeric) == 0) {
        writeBits(s, 4, 0);  // latch to alphanumeric
        e.mode = Mode::Alphanumeric;
        return;
    }
    if (!isFnc1(c) && endAt(e, at + 1)) {
        // The last digit: 4 bits when that is exactly what the last
        // character has room for, else paired with FNC1.
        e.position = at + 1;
        const ExpandedPad pad = padToCharacters(s.bitCount, e.segmentsPerRow);
        const int32_t p = pad.tooLong ? -1 : pad.padBits;
        if (p >= 4 && p <= 6) {
            writeBits(s, 4, numericValue(c) + 1);
            writeBits(s, p - 4, 0);
        } else {
            writeBits(s, 7, 11 * numericValue(c) + 18);
            const int32_t q = p - 7;
            if (q >= 1 && q <= 4) {
                writeBits(s, q, 0);
            } else if (q != 0) {
                writeBits(s, 4, 0);
            }
        }
        e.mode = Mode::Finished;
        return;
    }
    const uint8_t next = e.data[at + 1];
    if ((classAt(e, at + 1) & kClassNumeric) != 0 && !(isFnc1(c) && isFnc1(next))) {
        writeBits(s, 7, 11 * numericValue(c) + numericValue(next) + 8);
        e.position = at + 2;
        return;
    }
    writeBits(s, 4, 0);
    e.mode = Mode::Alphanumeric;
}

// Digits and FNC1 are written the same way in the alphanumeric and ISO 646
// modes; FNC1 returns to numeric mode.
bool writeSharedCharacter(GeneralEncoder &e, ExpandedBitStream &s, uint8_t c) {
    if (isFnc1(c)) {
        writeBits(s, 5, 0xF);
        e.mode = Mode::Numeric;
        return true;
    }
    if (c >= '0' && c <= '9') {
        writeBits(s, 5, static_cast<uint32_t>(c - '0') + 5);
        return true;
    }
    return false;
}

void alphanumericStep(GeneralEncoder &e, ExpandedBitStream &s) {
    const int32_t at = e.position;
    if (endAt(e, at)) {
        e.mode = Mode::Finished;
        return;
    }
    const uint8_t c = e.data[at];
    if ((classAt(e, at) & kClassAlphanumeric) == 0) {
        writeBits(s, 5, 0x4);  // latch to ISO 646
        e.mode = Mode::Iso646;
        return;
    }
    if ((classAt(e, at) & kClassNumeric) != 0 && !isFnc1(c) && !isFnc1(e.data[at + 1])) {
        const int32_t run = numericRun(e, at, 6);
        const bool sixAhead = run == 6;
        const bool restNumeric = run < 6 && endAt(e, at + run) && run >= 4;
        if (sixAhead || restNumeric) {
            writeBits(s, 3, 0);  // latch to numeric
            e.mode = Mode::Numeric;
            return;
        }
    }
    e.position = at + 1;
    if (writeSharedCharacter(e, s, c)) return;
    if (c >= 'A' && c <= 'Z') {
        writeBits(s, 6, 32u + static_cast<uint32_t>(c - 'A'));
    } else {
        writeBits(s, 6, kAlphanumericPunctuation.at[c]);
    }
}

void iso646Step(GeneralEncoder &e, ExpandedBitStream &s) {
    const int32_t at = e.position;
    if (endAt(e, at)) {
        e.mode = Mode::Finished;
        return;
    }
    const uint8_t c = e.data[at];
    if ((classAt(e, at) & kClassAlphanumeric) != 0 && !isFnc1(c)) {
        int32_t window = 0;
        bool outsideAlphanumeric = false;
        while (window < 10 && !endAt(e, at + window)) {
            if ((classAt(e, at + window) & kClassAlphanumeric) == 0) outsideAlphanumeric = true;
            ++window;
        }
        const int32_t run = numericRun(e, at, window);
        if (!outsideAlphanumeric) {
            if (run >= 4) {
                writeBits(s, 3, 0);  // latch to numeric
                e.mode = Mode::Numeric;
                return;
            }
            if (window >= 5) {
                writeBits(s, 5, 0x4);  // latch to alphanumeric
                e.mode = Mode::Alphanumeric;
                return;
            }
        }
    }
    e.position = at + 1;
    if (writeSharedCharacter(e, s, c)) return;
    if (c >= 'A' && c <= 'Z') {
        writeBits(s, 7, static_cast<uint32_t>(c) - 1);
    } else if (c >= 'a' && c <= 'z') {
        writeBits(s, 7, static_cast<uint32_t>(c) - 7);
    } else {
        writeBits(s, 8, kIso646Punctuation.at[c]);
    }
}

}  // namespace

void writeGeneralPurposeData(const uint8_t *data, int32_t from, int32_t segmentsPerRow,
                             ExpandedBitStream &stream) {
    GeneralEncoder e{data, from, segmentsPerRow, Mode::Numeric};
    while (e.mode != Mode::Finished) {
        switch (e.mode) {
            case Mode::Numeric: numericStep(e, stream); break;
            case Mode::Alphanumeric: alphanumericStep(e, stream); break;
            case Mode::Iso646: iso646Step(e, stream); break;
            case Mode::Finished: break;
        }
    }
}

}  // namespace barsize::databar
