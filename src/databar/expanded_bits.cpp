#include "databar/expanded_bits.h"

#include "databar/expanded_tables.h"

namespace barsize::databar {

void writeBits(ExpandedBitStream &stream, int32_t count, uint32_t value) {
    for (int32_t i = count - 1; i >= 0; --i) {
        const int32_t at = stream.bitCount++;
        if (at < 0 || at >= kExpandedStreamBits) continue;
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (at & 7));
        if ((value >> i) & 1u) {
            stream.bytes[at >> 3] |= mask;
        } else {
            stream.bytes[at >> 3] &= static_cast<uint8_t>(~mask);
        }
    }
}

ExpandedPad padToCharacters(int32_t bitCount, int32_t segmentsPerRow) {
    ExpandedPad pad{};
    if (bitCount > kExpandedMaxBits) {
        pad.tooLong = true;
        return pad;
    }
    int32_t characters = (bitCount + 11) / 12;
    if (characters < kExpandedMinDataCharacters) characters = kExpandedMinDataCharacters;
    // A last row holding one segment is not allowed: take one more character.
    if (segmentsPerRow > 1 && (characters + 1) % segmentsPerRow == 1) ++characters;
    if (characters > kExpandedMaxDataCharacters) {
        pad.tooLong = true;
        return pad;
    }
    pad.dataCharacters = characters;
    pad.padBits = 12 * characters - bitCount;
    return pad;
}

bool holdsOnlyExpandedCharacters(const uint8_t *data) {
    for (const uint8_t *p = data; *p != 0; ++p) {
        if (kExpandedCharClass.at[*p] == 0) return false;
    }
    return true;
}

namespace {

int32_t terminatedLength(const uint8_t *data) {
    int32_t n = 0;
    while (data[n] != 0) ++n;
    return n;
}

void setBit(ExpandedBitStream &stream, int32_t at, bool dark) {
    if (at < 0 || at >= kExpandedStreamBits) return;
    const uint8_t mask = static_cast<uint8_t>(0x80u >> (at & 7));
    if (dark) {
        stream.bytes[at >> 3] |= mask;
    } else {
        stream.bytes[at >> 3] &= static_cast<uint8_t>(~mask);
    }
}

// Pad bits: the pattern 00100 repeated, the last group cut short.
void writePad(ExpandedBitStream &stream, int32_t padBits) {
    for (int32_t i = 0; i < padBits; ++i) writeBits(stream, 1, (i % 5) == 2 ? 1u : 0u);
}

}  // namespace

int32_t encodeExpandedBits(const uint8_t *data, int32_t segmentsPerRow, ExpandedBitStream &stream) {
    stream = ExpandedBitStream{};
    if (!holdsOnlyExpandedCharacters(data)) return kExpandedBadCharacter;

    const int32_t length = terminatedLength(data);
    writeBits(stream, 1, 0);  // linkage flag: no composite component
    const int32_t consumed = writeEncodationMethod(data, length, stream);
    writeGeneralPurposeData(data, consumed, segmentsPerRow, stream);

    const ExpandedPad pad = padToCharacters(stream.bitCount, segmentsPerRow);
    if (pad.tooLong) return kExpandedTooLong;
    writePad(stream, pad.padBits);
    stream.dataCharacters = pad.dataCharacters;

    if (stream.lengthBitsAt > 0) {
        const int32_t symbolCharacters = pad.dataCharacters + 1;
        setBit(stream, stream.lengthBitsAt, (symbolCharacters & 1) != 0);
        setBit(stream, stream.lengthBitsAt + 1, symbolCharacters > 14);
    }
    return 0;
}

int32_t expandedDataCharacter(const ExpandedBitStream &stream, int32_t k) {
    int32_t value = 0;
    for (int32_t i = 0; i < 12; ++i) {
        const int32_t at = 12 * k + i;
        const bool dark = at >= 0 && at < kExpandedStreamBits &&
                          ((stream.bytes[at >> 3] >> (7 - (at & 7))) & 1) != 0;
        value = (value << 1) | (dark ? 1 : 0);
    }
    return value;
}

}  // namespace barsize::databar
