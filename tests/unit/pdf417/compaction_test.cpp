// Compaction: the codeword lists the mode choice and the packing rules give.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pdf417/compaction.h"

namespace barsize::pdf417 {
namespace {

struct Compacted {
    std::vector<uint16_t> codewords;  // without the length descriptor slot
    bool allRead;
};

Compacted compactWith(const std::string &data, uint16_t capacity) {
    static CodewordList list;
    Pdf417Settings settings = {};
    list.count = 1;
    list.dataCapacity = capacity;
    DataReader reader;
    startReader(reader, reinterpret_cast<const uint8_t *>(data.data()),
                static_cast<uint32_t>(data.size()));
    compact(reader, list, settings);
    return {std::vector<uint16_t>(list.items + 1, list.items + list.count), readerAtEnd(reader)};
}

std::vector<uint16_t> codewordsOf(const std::string &data) {
    const Compacted c = compactWith(data, 924);
    EXPECT_TRUE(c.allRead) << data;
    return c.codewords;
}

struct Case {
    const char *name;
    std::string data;
    std::vector<uint16_t> expected;
};

std::string digits(int n, char d = '1') { return std::string(static_cast<size_t>(n), d); }

const std::vector<uint16_t> kFortyFourOnes = {902, 485, 624, 195, 647, 193, 431, 299,
                                              2,   752, 141, 640, 160, 581, 556, 711};

TEST(Pdf417Compaction, CodewordListsOfTheModeChoice) {
    std::vector<uint16_t> fortyFiveOnes = kFortyFourOnes;
    fortyFiveOnes.push_back(11);
    const Case cases[] = {
        {"upper text", "ABC", {1, 89}},
        {"seven digits stay text", "1234567", {841, 63, 125, 187}},
        {"eight digits go numeric", "12345678", {902, 138, 628, 478}},
        {"thirteen digits at the end", "1234567890123", {902, 17, 110, 836, 811, 223}},
        {"44-digit group", digits(44), kFortyFourOnes},
        {"45 digits: a second group", digits(45), fortyFiveOnes},
        {"shift to byte inside text", std::string("ABCDE\x80" "FGHIJ"),
         {1, 63, 149, 913, 128, 156, 218, 299}},
        {"short text before a byte joins the byte run", std::string("A\x80" "BCDEF"),
         {901, 65, 128, 900, 32, 94, 179}},
        {"two bytes", "\x80\x81", {901, 128, 129}},
        {"six bytes latch with 924", std::string("\x01\x02\x03\x04\x05\x06", 6),
         {924, 1, 620, 89, 74, 846}},
        {"text reaching the end before a last byte", "ab\x80", {810, 59, 913, 128}},
        {"upper latch after lower", "abCDEFG", {810, 58, 842, 94, 156}},
        {"upper shifts after lower", "abCDE", {810, 57, 87, 117, 149}},
        {"five digits after bytes go numeric", "\x80\x81" "12345\x82",
         {901, 128, 129, 902, 124, 745, 901, 130}},
        {"five digits before a letter stay text", "\x80\x81" "12345A",
         {901, 128, 129, 900, 841, 63, 125, 840}},
        // Punctuation: latch at the first of four marks, shift before each of two.
        {"punctuation latch", "A!!!!", {28, 760, 310, 329}},
        {"punctuation shifts", "A!!B", {29, 329, 301}},
        // '$' in upper is written through punctuation, not mixed.
        {"dollar via punctuation shift", "A$B", {29, 541}},
        // Mixed: latch to punctuation (25) when three more marks follow.
        {"mixed to punctuation latch", "1#!!!!", {841, 475, 310, 310}},
        // Punctuation back to lower and mixed.
        {"punctuation to lower and mixed", "!!!!a1", {865, 310, 310, 897, 28, 59}},
        {"mixed to lower and upper", "1a1A", {841, 810, 841, 840}},
        {"lower shift to punctuation", "ab!c", {810, 59, 302}},
        {"spaces in lower and mixed", "a b1 2!", {810, 781, 841, 782, 880}},
    };
    for (const Case &c : cases) EXPECT_EQ(codewordsOf(c.data), c.expected) << c.name;
}

TEST(Pdf417Compaction, DigitRunsAgainstTheTextThreshold) {
    // Thirteen digits between letters stay in the text run; fourteen go numeric.
    const std::vector<uint16_t> thirteen = codewordsOf("ABC" + digits(13) + "DEF");
    EXPECT_EQ(std::count(thirteen.begin(), thirteen.end(), 902), 0);
    const std::vector<uint16_t> fourteen = codewordsOf("ABC" + digits(14) + "DEF");
    // ABC, 902 and five codewords for 1 followed by 14 digits, 900 and DEF.
    ASSERT_EQ(fourteen.size(), 2u + 1u + 5u + 1u + 2u);
    EXPECT_EQ(fourteen[2], 902);
    EXPECT_EQ(fourteen[8], 900);
}

TEST(Pdf417Compaction, ByteRunsSplitIntoSixByteGroupsAndRemainders) {
    // Seven bytes: latch 901, one group of five codewords, one byte left.
    const std::string seven("\x01\x02\x03\x04\x05\x06\x07", 7);
    EXPECT_EQ(codewordsOf(seven), (std::vector<uint16_t>{901, 1, 620, 89, 74, 846, 7}));
    // Twelve bytes: latch 924 and two groups.
    const std::vector<uint16_t> twelve = codewordsOf(seven.substr(0, 6) + seven.substr(0, 6));
    EXPECT_EQ(twelve.size(), 11u);
    EXPECT_EQ(twelve[0], 924);
}

TEST(Pdf417Compaction, StopsWhenTheCapacityIsUsed) {
    // Three values fit in the two codewords that capacity 3 leaves.
    EXPECT_TRUE(compactWith("ABCD", 3).allRead);
    EXPECT_FALSE(compactWith("ABCDE", 3).allRead);
    // The latch to lower leaves no room for d: it is put back, the run ends.
    const Compacted cut = compactWith("abcd", 3);
    EXPECT_FALSE(cut.allRead);
    EXPECT_EQ(cut.codewords, (std::vector<uint16_t>{810, 32}));
    // Six bytes need 924 and five codewords.
    const std::string six("\x01\x02\x03\x04\x05\x06", 6);
    EXPECT_TRUE(compactWith(six, 7).allRead);
    EXPECT_FALSE(compactWith(six, 6).allRead);
    // A digit run limited by capacity stays within it.
    const Compacted numeric = compactWith(digits(100), 10);
    EXPECT_FALSE(numeric.allRead);
    EXPECT_LE(numeric.codewords.size(), 9u);
    // A capacity above what the list holds is held to 929 entries.
    const Compacted big = compactWith(std::string(2000, '\x80'), 2700);
    EXPECT_FALSE(big.allRead);
    EXPECT_LE(big.codewords.size(), 928u);
}

}  // namespace
}  // namespace barsize::pdf417
