// GS1 DataBar Expanded data encodation: a GS1 element string (AIs and values
// run together, '#' for FNC1) becomes a bit stream of 12-bit data characters.
#pragma once

#include <cstdint>

namespace barsize::databar {

constexpr int32_t kExpandedStreamBits = 1184;      // room in the stream buffer
constexpr int32_t kExpandedMaxBits = 252;          // 21 data characters
constexpr int32_t kExpandedMinDataCharacters = 3;
constexpr int32_t kExpandedMaxDataCharacters = 21;

// Statuses of the encodation.
constexpr int32_t kExpandedBadCharacter = -15;  // a character outside the expanded set
constexpr int32_t kExpandedTooLong = -6;        // more than 252 bits

// Which encodation method opened the stream.
enum class ExpandedMethod : uint8_t {
    General,        // 00: no compression
    Item,           // 1: AI 01 compressed, the rest general
    Weight3103,     // 0100
    Weight320x,     // 0101: AI 3202 or 3203
    Price392x,      // 01100
    Price393x,      // 01101
    WeightAndDate,  // 0111 + 3 bits: AI 310x or 320x, with or without a date AI
};

struct ExpandedBitStream {
    uint8_t bytes[kExpandedStreamBits / 8];  // bit 0 is the most significant bit of byte 0
    int32_t bitCount;        // bits written, linkage bit included; counts on past the buffer
    int32_t dataCharacters;  // D, set when the encodation succeeds
    int32_t lengthBitsAt;    // first of the two length bits, 0 when the method has none
    ExpandedMethod method;
};

struct ExpandedPad {
    bool tooLong;            // the stream holds more than 252 bits
    int32_t padBits;         // bits to add up to 12 x D
    int32_t dataCharacters;  // D
};

// Appends the low `count` (at most 16) bits of value, most significant first.
// Bits that would pass the buffer are counted but not stored.
void writeBits(ExpandedBitStream &stream, int32_t count, uint32_t value);

// D and the pad for a stream of bitCount bits. D is at least 3 and never
// leaves a lone segment in the last row of segmentsPerRow segments.
ExpandedPad padToCharacters(int32_t bitCount, int32_t segmentsPerRow);

// True when every character before the terminating zero is in the expanded set.
bool holdsOnlyExpandedCharacters(const uint8_t *data);

// Encodes the terminated string `data` into `stream`: 0 on success (stream
// holds exactly 12 x D bits), kExpandedBadCharacter or kExpandedTooLong.
int32_t encodeExpandedBits(const uint8_t *data, int32_t segmentsPerRow, ExpandedBitStream &stream);

// Data character k (0 based): 12 bits from bit 12 x k.
int32_t expandedDataCharacter(const ExpandedBitStream &stream, int32_t k);

// --- parts of the encodation, used by encodeExpandedBits -----------------

// Writes the encodation method chosen for data (length characters) with its
// fields and returns how many characters it consumed.
int32_t writeEncodationMethod(const uint8_t *data, int32_t length, ExpandedBitStream &stream);

// Encodes data from position `from` in the numeric, alphanumeric and
// ISO 646 modes, starting in numeric mode.
void writeGeneralPurposeData(const uint8_t *data, int32_t from, int32_t segmentsPerRow,
                             ExpandedBitStream &stream);

}  // namespace barsize::databar
