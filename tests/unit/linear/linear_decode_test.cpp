// Every linear symbology, drawn by its encoder into the bar row and read back
// by the independent decoder: the decoded bytes are exactly the data the
// symbol carries (UPC/EAN with their check digit), which also proves the
// check characters, since the decoder rejects a symbol whose checks fail.
// The decoder gives UPC-A and UPC-E as 13 digits: a leading 0 and the UPC-A
// number, so a UPC-E symbol reads back as the number it was suppressed from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barsize.h"
#include "support/decoder.h"

namespace barsize::test {
namespace {

struct DecodeCase {
    const char *name;
    int32_t symbology;
    std::string data;
    const char *format;
    std::string expected;        // decoded bytes
    const char *identifier = "";  // expected symbology identifier, if not empty
    const char *extra = "";       // text the decoder's extra report must hold, if not empty
};

std::string b(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

std::string allPrintable(char from, char to) {
    std::string s;
    for (char c = from; c <= to; ++c) s.push_back(c);
    return s;
}

std::string allBytes(int from, int to) {
    std::string s;
    for (int c = from; c <= to; ++c) s.push_back(static_cast<char>(c));
    return s;
}

const std::vector<DecodeCase> &decodeCases() {
    static const std::vector<DecodeCase> cases = {
        {"UPC-A check computed", 0, "01234567890", "UPCA", "0012345678905"},
        {"UPC-A check given", 0, "725272730706", "UPCA", "0725272730706"},
        {"UPC-E rule 0", 1, "01200000345", "UPCE", "0012000003455"},
        {"UPC-E rule 1", 1, "01210000345", "UPCE", "0012100003454"},
        {"UPC-E rule 2", 1, "04220000526", "UPCE", "0042200005263"},
        {"UPC-E rule 3", 1, "01230000045", "UPCE", "0012300000451"},
        {"UPC-E rule 4", 1, "01234000005", "UPCE", "0012340000053"},
        {"UPC-E rule 5", 1, "01234500005", "UPCE", "0012345000058"},
        {"UPC-E rule 9, check given", 1, "098760000095", "UPCE", "0098760000095"},
        {"EAN-13 check computed", 2, "400638133393", "EAN13", "4006381333931"},
        {"EAN-13 first digit 9", 2, "978020137962", "EAN13", "9780201379624"},
        {"EAN-13 first digit 5", 2, "5901234123457", "EAN13", "5901234123457"},
        {"EAN-8 check computed", 3, "1234567", "EAN8", "12345670"},
        {"EAN-8 check given", 3, "96385074", "EAN8", "96385074"},
        {"Code 39 digits and letters", 4, allPrintable('0', '9') + allPrintable('A', 'Z'), "Code39",
         allPrintable('0', '9') + allPrintable('A', 'Z')},
        {"Code 39 punctuation", 4, "A-B. C-. $/+%", "Code39", "A-B. C-. $/+%"},
        {"Code 39 one character", 4, "7", "Code39", "7"},
        {"ITF ten digits", 5, "1234567890", "ITF", "1234567890"},
        {"ITF every digit in bars and spaces", 5, "00112233445566778899", "ITF",
         "00112233445566778899"},
        {"ITF six digits", 5, "987654", "ITF", "987654"},
        {"Codabar A/B", 6, "A40156B", "Codabar", "A40156B"},
        {"Codabar B/C", 6, "B0123456789C", "Codabar", "B0123456789C"},
        {"Codabar C/D punctuation", 6, "C-$:/.+D", "Codabar", "C-$:/.+D"},
        {"Codabar D/A", 6, "D31117013206A", "Codabar", "D31117013206A"},
        {"Code 93 TEST93", 7, "TEST93", "Code93", "TEST93"},
        {"Code 93 every control character", 7, allBytes(0, 31) + b({127}), "Code93",
         allBytes(0, 31) + b({127})},
        {"Code 93 every printable byte", 7, allBytes(32, 126), "Code93", allBytes(32, 126)},
        {"Code 93 longest datum: 510 values", 7, std::string(255, 'a'), "Code93",
         std::string(255, 'a')},
        {"Code 128 set B", 8, "{BHello, World!", "Code128", "Hello, World!"},
        {"Code 128 set B edges", 8, "{B" + allPrintable(' ', 'z') + "|}~" + b({127}), "Code128",
         allPrintable(' ', 'z') + "|}~" + b({127})},
        {"Code 128 set A control characters", 8, "{A" + allBytes(0, 31) + "AZ_", "Code128",
         allBytes(0, 31) + "AZ_"},
        {"Code 128 set C binary pairs", 8, b({'{', 'C', 12, 34, 56, 0, 99}), "Code128",
         "1234560099"},
        {"Code 128 SHIFT from A to B", 8, "{AAB{SaC", "Code128", "ABaC"},
        {"Code 128 SHIFT from B to A", 8, "{Bab" + b({'{', 'S', 13}) + "c", "Code128",
         "ab\rc"},
        {"Code 128 code-set changes", 8,
         "{BNo." + b({'{', 'C', 12, 34}) + "{AX" + b({1}) + "{By{C" + b({56}), "Code128",
         "No.1234X\x01y56"},
        {"Code 128 escaped brace", 8, "{Ba{{b", "Code128", "a{b"},
        {"Code 128 FNC1 first: GS1", 8, b({'{', 'C', '{', '1', 1, 9, 50, 60, 0, 13, 43, 52}),
         "Code128", "0109506000134352", "]C1"},
        {"Code 128 FNC1 inside: separator", 8, "{BAB{1CD", "Code128", "AB\x1d" "CD"},
        {"Code 128 lone escape at the end", 8, "{BOK{", "Code128", "OK"},
        {"Code 128 FNC4 in set B: next byte + 128", 8, "{B{4Ab", "Code128", "\xc1" "b"},
        {"Code 128 FNC4 in set A, then FNC4 twice: latch", 8, "{A{4A{4{4BC", "Code128",
         "\xc1\xc2\xc3"},
        {"Code 128 FNC3: reader initialisation", 8, "{B{3Ab", "Code128", "Ab", "]C0",
         "\"ReaderInit\":true"},
    };
    return cases;
}

TEST(LinearDecode, EverySymbologyReadsBackItsData) {
    const std::vector<DecodeCase> &cases = decodeCases();
    std::vector<TestRaster> rasters;
    for (const DecodeCase &c : cases) {
        const int32_t width = getBarCodeWidth(c.data.data(), static_cast<int32_t>(c.data.size()),
                                              c.symbology, 2, 0, 0, 1);
        ASSERT_GT(width, 0) << c.name;
        rasters.push_back(rasterFromBarRow(c.format));
        ASSERT_EQ(rasters.back().width, width) << c.name;
    }
    const std::vector<DecodeResult> results = decodeRasters(rasters);
    ASSERT_EQ(results.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        const DecodeCase &c = cases[i];
        const DecodeResult &r = results[i];
        EXPECT_TRUE(r.found) << c.name << ": " << r.error;
        EXPECT_EQ(r.format, c.format) << c.name;
        EXPECT_EQ(r.bytes, c.expected) << c.name;
        if (*c.identifier) {
            EXPECT_EQ(r.symbologyIdentifier, c.identifier) << c.name;
        }
        if (*c.extra) {
            EXPECT_NE(r.extra.find(c.extra), std::string::npos) << c.name << ": " << r.extra;
        }
    }
}

}  // namespace
}  // namespace barsize::test
