// The Expanded data encodation: methods, modes, the last digit, pad bits,
// D and the length bits. Whether readers agree is checked by the decoder
// tests of the symbols; here the stream is compared with fields worked out
// by hand.
#include <gtest/gtest.h>

#include <string>

#include "databar/expanded_bits.h"

namespace barsize::databar {
namespace {

const std::string kItem = "0109501101530003";    // AI 01, item not starting with 9
const std::string kItem9 = "0190012345678908";   // AI 01, item starting with 9

std::string bitsOf(const ExpandedBitStream &s) {
    std::string out;
    for (int32_t i = 0; i < s.bitCount && i < kExpandedStreamBits; ++i) {
        out += ((s.bytes[i >> 3] >> (7 - (i & 7))) & 1) ? '1' : '0';
    }
    return out;
}

std::string field(int count, uint32_t value) {
    std::string out;
    for (int i = count - 1; i >= 0; --i) out += ((value >> i) & 1u) ? '1' : '0';
    return out;
}

struct Encoded {
    int32_t status;
    ExpandedBitStream stream;
};

Encoded encode(const std::string &data, int32_t segmentsPerRow = 22) {
    Encoded e{};
    e.status = encodeExpandedBits(reinterpret_cast<const uint8_t *>(data.c_str()), segmentsPerRow,
                                  e.stream);
    return e;
}

TEST(DataBarExpandedBits, ItemAloneIsFortyEightBitsWithLengthBits) {
    const Encoded e = encode(kItem);
    ASSERT_EQ(e.status, 0);
    EXPECT_EQ(e.stream.method, ExpandedMethod::Item);
    EXPECT_EQ(e.stream.dataCharacters, 4);
    // linkage 0, method 1, length bits 1 0 (5 symbol characters), digit 0,
    // then 950 110 153 000; the check digit 3 is left to the reader.
    EXPECT_EQ(bitsOf(e.stream), "0" "1" "10" + field(4, 0) + field(10, 950) + field(10, 110) +
                                    field(10, 153) + field(10, 0));
    EXPECT_EQ(expandedDataCharacter(e.stream, 0), 0x600 | (950 >> 6));
}

TEST(DataBarExpandedBits, TwoSegmentRowsAddACharacterOfPadBits) {
    const Encoded e = encode(kItem, 2);
    ASSERT_EQ(e.status, 0);
    EXPECT_EQ(e.stream.dataCharacters, 5);
    const std::string bits = bitsOf(e.stream);
    EXPECT_EQ(bits.substr(1, 3), "100");  // 6 symbol characters: even, not above 14
    EXPECT_EQ(bits.substr(48), "0000" "00100" "001");
}

TEST(DataBarExpandedBits, GeneralModesAndTheirLatches) {
    // AI 10 with letters: the pair 1 0, latch, A B C, and the last three
    // digits stay alphanumeric (fewer than four).
    const Encoded letters = encode("10ABC123");
    ASSERT_EQ(letters.status, 0);
    EXPECT_EQ(letters.stream.method, ExpandedMethod::General);
    EXPECT_EQ(letters.stream.dataCharacters, 5);
    EXPECT_EQ(bitsOf(letters.stream),
              "0" "00" "00" + field(7, 19) + "0000" + field(6, 32) + field(6, 33) + field(6, 34) +
                  field(5, 6) + field(5, 7) + field(5, 8) + "00100" "00100" "0");

    // Lower case after digits: numeric, 0000, alphanumeric, 00100, ISO 646.
    const Encoded lower = encode("10ab");
    ASSERT_EQ(lower.status, 0);
    EXPECT_EQ(bitsOf(lower.stream).substr(0, 35),
              "0" "00" "00" + field(7, 19) + "0000" "00100" + field(7, 90) + field(7, 91));

    // Four or more digits return to numeric mode; FNC1 in alphanumeric mode
    // is 01111 and returns to numeric mode by itself.
    const Encoded back = encode("21A1234#10");
    ASSERT_EQ(back.status, 0);
    EXPECT_EQ(bitsOf(back.stream).substr(0, 5 + 7 + 4 + 6 + 3 + 7 + 7 + 7),
              "0" "00" "00" + field(7, 11 * 2 + 1 + 8) + "0000" + field(6, 32) + "000" +
                  field(7, 11 * 1 + 2 + 8) + field(7, 11 * 3 + 4 + 8) + field(7, 11 * 10 + 1 + 8));

    // ISO 646 punctuation and the return to alphanumeric after five
    // alphanumeric characters.
    const Encoded iso = encode("21a!ABCDE");
    ASSERT_EQ(iso.status, 0);
    EXPECT_EQ(bitsOf(iso.stream).substr(0, 5 + 7 + 4 + 5 + 7 + 8 + 5 + 6),
              "0" "00" "10" + field(7, 11 * 2 + 1 + 8) + "0000" "00100" + field(7, 90) +
                  field(8, 232) + "00100" + field(6, 32));
}

// The last digit in numeric mode, by the room left in the last character.
TEST(DataBarExpandedBits, LastDigitUsesTheRoomLeft) {
    struct Case {
        const char *tail;      // after the AI 01 element
        int32_t characters;    // D
        const char *lastBits;  // the stream's last bits
    };
    const Case cases[] = {
        {"101", 5, "0010" "0"},                      // 5 bits left: digit + 1 in 4 bits, one 0
        {"10123456789012345", 9, "0110"},            // 4 left: 4 bits, nothing after
        {"101234567890" "1", 8, "0010" "00"},        // 6 left: 4 bits and two 0
        {"10123", 6, "0110011" "000"},               // 10 left: digit with FNC1 and three 0
        {"1012345", 7, "1001001" "0000" "0010"},     // 3 left: digit with FNC1, 0000, pad
    };
    for (const Case &c : cases) {
        const Encoded e = encode(kItem + c.tail);
        ASSERT_EQ(e.status, 0) << c.tail;
        EXPECT_EQ(e.stream.dataCharacters, c.characters) << c.tail;
        const std::string bits = bitsOf(e.stream);
        const std::string last = c.lastBits;
        EXPECT_EQ(bits.size(), 12u * static_cast<size_t>(c.characters)) << c.tail;
        EXPECT_EQ(bits.substr(bits.size() - last.size()), last) << c.tail;
    }
}

TEST(DataBarExpandedBits, EncodationMethods) {
    struct Case {
        std::string data;
        ExpandedMethod method;
        int32_t characters;
        const char *head;  // method bits after the linkage bit
    };
    const Case cases[] = {
        {kItem9 + "3103001750", ExpandedMethod::Weight3103, 5, "0100"},
        {kItem9 + "3103032767", ExpandedMethod::Weight3103, 5, "0100"},
        {kItem9 + "3103032768", ExpandedMethod::WeightAndDate, 7, "0111000"},
        {kItem9 + "3202009999", ExpandedMethod::Weight320x, 5, "0101"},
        {kItem9 + "3202010000", ExpandedMethod::WeightAndDate, 7, "0111001"},
        {kItem9 + "3203022767", ExpandedMethod::Weight320x, 5, "0101"},
        {kItem9 + "3203022768", ExpandedMethod::WeightAndDate, 7, "0111001"},
        {kItem9 + "392212345", ExpandedMethod::Price392x, 6, "01100" "10"},
        {kItem9 + "39249", ExpandedMethod::Item, 6, "1"},  // decimal digit above 3
        {kItem9 + "39319781234", ExpandedMethod::Price393x, 7, "01101" "00"},
        {kItem9 + "3101001234", ExpandedMethod::WeightAndDate, 7, "0111000"},
        {kItem9 + "3205099999", ExpandedMethod::WeightAndDate, 7, "0111001"},
        {kItem9 + "3105100000", ExpandedMethod::Item, 7, "1"},  // weight above 99999
        {kItem9 + "310100123411991231", ExpandedMethod::WeightAndDate, 7, "0111000"},
        {kItem9 + "310100123413991231", ExpandedMethod::WeightAndDate, 7, "0111010"},
        {kItem9 + "320100123415000100", ExpandedMethod::WeightAndDate, 7, "0111101"},
        {kItem9 + "320100123417991200", ExpandedMethod::WeightAndDate, 7, "0111111"},
        {kItem9 + "320100123412991231", ExpandedMethod::Item, 10, "1"},  // 12 is not a date AI
        {kItem + "3103001750", ExpandedMethod::Item, 7, "1"},  // item without the leading 9
        {"0112345678901231", ExpandedMethod::Item, 4, "1"},
        {"011234567890123", ExpandedMethod::General, 5, "00"},  // 15 characters
        {"10" + kItem, ExpandedMethod::General, 6, "00"},
    };
    for (const Case &c : cases) {
        const Encoded e = encode(c.data);
        ASSERT_EQ(e.status, 0) << c.data;
        EXPECT_EQ(e.stream.method, c.method) << c.data;
        EXPECT_EQ(e.stream.dataCharacters, c.characters) << c.data;
        EXPECT_EQ(bitsOf(e.stream).substr(1, std::string(c.head).size()), c.head) << c.data;
    }
}

TEST(DataBarExpandedBits, CompressedFields) {
    // 3103: twelve digits in 10-bit groups, weight in 15 bits.
    const Encoded weight = encode(kItem9 + "3103001750");
    EXPECT_EQ(bitsOf(weight.stream), "0" "0100" + field(10, 1) + field(10, 234) + field(10, 567) +
                                         field(10, 890) + field(15, 1750));
    // 3203: weight + 10000.
    EXPECT_EQ(bitsOf(encode(kItem9 + "3203000001").stream).substr(45, 15), field(15, 10001));
    // 310x with AI 15 and a date: weight field 3 x 100000 + w, date packed.
    const Encoded dated = encode(kItem9 + "310300123415991231");
    EXPECT_EQ(bitsOf(dated.stream).substr(48),
              field(4, 301234u >> 16) + field(16, 301234u & 0xFFFF) +
                  field(16, 99 * 384 + 11 * 32 + 31));
    // 310x alone: date 38400.
    EXPECT_EQ(bitsOf(encode(kItem9 + "3102000150").stream).substr(68, 16), field(16, 38400));
    // 393x: currency as one 10-bit number after the decimal digit.
    EXPECT_EQ(bitsOf(encode(kItem9 + "39319781234").stream).substr(48, 12),
              field(2, 1) + field(10, 978));
}

// Input the compressed methods cannot give back exactly is written as it is.
TEST(DataBarExpandedBits, UncompressibleItemsStayGeneral) {
    const std::string cases[] = {
        "0190012345678907",            // wrong check digit
        "019001234567890A3103001750",  // letter in the item number
        "01900123456789083103",        // too short for a weight: general after the item
    };
    EXPECT_EQ(encode(cases[0]).stream.method, ExpandedMethod::General);
    EXPECT_EQ(encode(cases[1]).stream.method, ExpandedMethod::General);
    EXPECT_EQ(encode(cases[2]).stream.method, ExpandedMethod::Item);
    // A month of 13 or 00 cannot be packed into a date.
    EXPECT_EQ(encode(kItem9 + "310100123411991331").stream.method, ExpandedMethod::Item);
    EXPECT_EQ(encode(kItem9 + "310100123411990031").stream.method, ExpandedMethod::Item);
    EXPECT_EQ(encode(kItem9 + "310100123411991232").stream.method, ExpandedMethod::Item);
    // Letters where a compressed field wants digits.
    EXPECT_EQ(encode(kItem9 + "39319A81234").stream.method, ExpandedMethod::Item);
    EXPECT_EQ(encode(kItem9 + "310A001234").stream.method, ExpandedMethod::Item);
    EXPECT_EQ(encode(kItem9 + "3103A01750").stream.method, ExpandedMethod::Item);
}

TEST(DataBarExpandedBits, LimitsAndRejectedCharacters) {
    // Header 5, the pair 2 1, latches 4 + 5, then 7 bits per lower-case letter.
    const Encoded full = encode("21" + std::string(33, 'a'));
    ASSERT_EQ(full.status, 0);
    EXPECT_EQ(full.stream.dataCharacters, 21);
    EXPECT_EQ(full.stream.bitCount, 252);
    EXPECT_EQ(bitsOf(full.stream).substr(3, 2), "01");  // 22 symbol characters
    EXPECT_EQ(encode("21" + std::string(32, 'a') + "!").status, kExpandedTooLong);  // 253 bits
    EXPECT_EQ(encode("21" + std::string(2000, 'a')).status, kExpandedTooLong);

    for (const char *bad : {"10AB^", "10$", "10@", "10\x7f", "10\xe9", "10\x1d"}) {
        EXPECT_EQ(encode(bad).status, kExpandedBadCharacter) << bad;
    }
    // Empty data: three data characters of pad.
    const Encoded empty = encode("");
    ASSERT_EQ(empty.status, 0);
    EXPECT_EQ(empty.stream.dataCharacters, 3);
    EXPECT_EQ(bitsOf(empty.stream), "0" "00" "00" "0000" "00100" "00100" "00100" "00100" "00100" "00");
}

TEST(DataBarExpandedBits, CharacterCountAvoidsALoneLastSegment) {
    struct Case {
        int32_t bits;
        int32_t segmentsPerRow;
        int32_t characters;
        int32_t pad;
    };
    const Case cases[] = {
        {1, 22, 3, 35},  {36, 22, 3, 0},   {37, 22, 4, 11}, {48, 2, 5, 12}, {48, 4, 5, 12},
        {60, 4, 5, 0},   {96, 4, 9, 12},    {97, 4, 9, 11}, {252, 22, 21, 0}, {241, 20, 21, 11},
        {228, 20, 19, 0}, {229, 20, 21, 23}, {49, 6, 5, 11},  {60, 6, 5, 0}, {72, 6, 7, 12},
    };
    for (const Case &c : cases) {
        const ExpandedPad pad = padToCharacters(c.bits, c.segmentsPerRow);
        EXPECT_FALSE(pad.tooLong) << c.bits << " " << c.segmentsPerRow;
        EXPECT_EQ(pad.dataCharacters, c.characters) << c.bits << " " << c.segmentsPerRow;
        EXPECT_EQ(pad.padBits, c.pad) << c.bits << " " << c.segmentsPerRow;
    }
    EXPECT_TRUE(padToCharacters(253, 22).tooLong);
}

}  // namespace
}  // namespace barsize::databar
