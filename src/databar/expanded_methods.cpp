// The encodation methods that open an Expanded bit stream. The compressed
// methods drop the item number's check digit (a reader recomputes it) and
// write dates and weights as binary numbers, so each is used only when the
// reader will give back exactly the characters we were handed.
#include "databar/expanded_bits.h"

namespace barsize::databar {

namespace {

bool isDigit(uint8_t c) { return c >= '0' && c <= '9'; }

bool digitsAt(const uint8_t *data, int32_t from, int32_t count) {
    for (int32_t i = from; i < from + count; ++i) {
        if (!isDigit(data[i])) return false;
    }
    return true;
}

// The digits data[from .. from + count - 1] as a number (callers check them).
int32_t numberAt(const uint8_t *data, int32_t from, int32_t count) {
    int32_t value = 0;
    for (int32_t i = from; i < from + count; ++i) value = value * 10 + (data[i] - '0');
    return value;
}

bool textAt(const uint8_t *data, int32_t from, const char *text) {
    for (int32_t i = 0; text[i] != 0; ++i) {
        if (data[from + i] != static_cast<uint8_t>(text[i])) return false;
    }
    return true;
}

// AI 01 with 14 digits whose last is the right check digit: only then may
// the check digit be left to the reader.
bool holdsCompressibleItem(const uint8_t *data, int32_t length) {
    if (length < 16 || !textAt(data, 0, "01") || !digitsAt(data, 2, 14)) return false;
    int32_t sum = 0;
    for (int32_t i = 0; i < 13; ++i) sum += (data[2 + i] - '0') * ((i % 2 == 0) ? 3 : 1);
    return data[15] - '0' == (10 - sum % 10) % 10;
}

// A date YYMMDD that survives the 16-bit form YY x 384 + (MM - 1) x 32 + DD.
bool holdsPackableDate(const uint8_t *data, int32_t from) {
    if (!digitsAt(data, from, 6)) return false;
    const int32_t month = numberAt(data, from + 2, 2);
    const int32_t day = numberAt(data, from + 4, 2);
    return month >= 1 && month <= 12 && day <= 31;
}

int32_t dateAiIndex(const uint8_t *data, int32_t from) {
    const char *ais[] = {"11", "13", "15", "17"};
    for (int32_t k = 0; k < 4; ++k) {
        if (textAt(data, from, ais[k])) return k;
    }
    return -1;
}

// Digits 3 to 14 of the item number in four 10-bit groups.
void writeItemGroups(const uint8_t *data, ExpandedBitStream &stream) {
    for (int32_t group = 0; group < 4; ++group) {
        writeBits(stream, 10, static_cast<uint32_t>(numberAt(data, 3 + 3 * group, 3)));
    }
}

void reserveLengthBits(ExpandedBitStream &stream) {
    stream.lengthBitsAt = stream.bitCount;
    writeBits(stream, 2, 0);
}

// 310x or 320x with weight digits 19 to 25 fit for the 20-bit weight field.
bool holdsWeightField(const uint8_t *data) {
    return (textAt(data, 16, "310") || textAt(data, 16, "320")) && digitsAt(data, 19, 7) &&
           numberAt(data, 20, 6) <= 99999;
}

void writeWeightAndDate(const uint8_t *data, int32_t dateAi, int32_t date,
                        ExpandedBitStream &stream) {
    const uint32_t mass = textAt(data, 16, "320") ? 1u : 0u;
    writeBits(stream, 4, 0x7);
    writeBits(stream, 3, 2u * static_cast<uint32_t>(dateAi) + mass);
    writeItemGroups(data, stream);
    const uint32_t weight =
        static_cast<uint32_t>((data[19] - '0') * 100000 + numberAt(data, 20, 6));
    writeBits(stream, 4, weight >> 16);
    writeBits(stream, 16, weight & 0xFFFFu);
    writeBits(stream, 16, static_cast<uint32_t>(date));
}

}  // namespace

int32_t writeEncodationMethod(const uint8_t *data, int32_t length, ExpandedBitStream &stream) {
    if (!holdsCompressibleItem(data, length)) {
        stream.method = ExpandedMethod::General;
        writeBits(stream, 2, 0);
        reserveLengthBits(stream);
        return 0;
    }
    const bool implied9 = data[2] == '9';

    if (implied9 && length == 26 && textAt(data, 16, "3103") && digitsAt(data, 20, 6) &&
        numberAt(data, 20, 6) <= 32767) {
        stream.method = ExpandedMethod::Weight3103;
        writeBits(stream, 4, 0x4);
        writeItemGroups(data, stream);
        writeBits(stream, 15, static_cast<uint32_t>(numberAt(data, 20, 6)));
        return 26;
    }
    if (implied9 && length == 26 && digitsAt(data, 20, 6)) {
        const int32_t weight = numberAt(data, 20, 6);
        const bool pounds2 = textAt(data, 16, "3202") && weight <= 9999;
        const bool pounds3 = textAt(data, 16, "3203") && weight <= 22767;
        if (pounds2 || pounds3) {
            stream.method = ExpandedMethod::Weight320x;
            writeBits(stream, 4, 0x5);
            writeItemGroups(data, stream);
            writeBits(stream, 15, static_cast<uint32_t>(pounds3 ? weight + 10000 : weight));
            return 26;
        }
    }
    if (implied9 && length > 20 && textAt(data, 16, "392") && data[19] >= '0' && data[19] <= '3') {
        stream.method = ExpandedMethod::Price392x;
        writeBits(stream, 5, 0xC);
        reserveLengthBits(stream);
        writeItemGroups(data, stream);
        writeBits(stream, 2, static_cast<uint32_t>(data[19] - '0'));
        return 20;
    }
    if (implied9 && length > 23 && textAt(data, 16, "393") && data[19] >= '0' && data[19] <= '3' &&
        digitsAt(data, 20, 3)) {
        stream.method = ExpandedMethod::Price393x;
        writeBits(stream, 5, 0xD);
        reserveLengthBits(stream);
        writeItemGroups(data, stream);
        writeBits(stream, 2, static_cast<uint32_t>(data[19] - '0'));
        writeBits(stream, 10, static_cast<uint32_t>(numberAt(data, 20, 3)));
        return 23;
    }
    if (implied9 && length == 26 && holdsWeightField(data)) {
        stream.method = ExpandedMethod::WeightAndDate;
        writeWeightAndDate(data, 0, 38400, stream);  // 38400: no date
        return 26;
    }
    if (implied9 && length == 34 && holdsWeightField(data) && dateAiIndex(data, 26) >= 0 &&
        holdsPackableDate(data, 28)) {
        stream.method = ExpandedMethod::WeightAndDate;
        const int32_t date = numberAt(data, 28, 2) * 384 + (numberAt(data, 30, 2) - 1) * 32 +
                             numberAt(data, 32, 2);
        writeWeightAndDate(data, dateAiIndex(data, 26), date, stream);
        return 34;
    }

    stream.method = ExpandedMethod::Item;
    writeBits(stream, 1, 1);
    reserveLengthBits(stream);
    writeBits(stream, 4, static_cast<uint32_t>(data[2] - '0'));
    writeItemGroups(data, stream);
    return 16;
}

}  // namespace barsize::databar
