// getBarCodeWidth for the linear codes 0 to 8 once the parameters are valid:
// data statuses and their precedence, bar widths and HRI extents.
#include <gtest/gtest.h>

#include <string>

#include "barsize.h"

namespace {

struct WidthCase {
    const char *name;
    int32_t symbology;
    std::string data;
    int32_t length;  // -2: data.size()
    int32_t moduleWidth;
    int32_t hriPosition;
    int32_t hriCharWidth;
    int32_t measure;
    int32_t expected;
};

constexpr int32_t kSize = -2;

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

const WidthCase kCases[] = {
    // Length before characters.
    {"UPC-A short and not digits", 0, "abc", kSize, 2, 0, 0, 0, -11},
    {"UPC-E 13 bytes, not digits", 1, "x123450000000", kSize, 2, 0, 0, 0, -12},
    {"EAN-13 11 bytes, not digits", 2, "4006381333x", kSize, 2, 0, 0, 0, -13},
    {"EAN-8 9 bytes, not digits", 3, "12345678x", kSize, 2, 0, 0, 0, -14},
    {"Code 39 256 bytes, not in the set", 4, std::string(256, 'a'), kSize, 2, 0, 0, 0, -15},
    {"ITF odd before characters", 5, "12a", kSize, 2, 0, 0, 0, -16},
    {"Codabar 256 bytes, no start", 6, std::string(256, '1'), kSize, 2, 0, 0, 0, -17},
    {"Code 93 256 bytes above 127", 7, std::string(256, '\x80'), kSize, 2, 0, 0, 0, -18},
    {"Code 128 one byte, no selector", 8, "x", kSize, 2, 0, 0, 0, -19},
    // UPC/EAN.
    {"UPC-A measure 0", 0, "01234567890", kSize, 2, 2, 0, 0, 190},
    {"UPC-A bars", 0, "01234567890", kSize, 2, 2, 0, 1, 190},
    {"UPC-A text", 0, "01234567890", kSize, 2, 2, 0, 2, 180},
    {"UPC-A w3 bars", 0, "01234567890", kSize, 3, 2, 0, 1, 285},
    {"UPC-A w3 text", 0, "01234567890", kSize, 3, 2, 0, 2, 271},
    {"UPC-A no hri: text 0", 0, "01234567890", kSize, 2, 0, 0, 0, 190},
    {"UPC-A wrong check digit taken as given", 0, "012345678901", kSize, 2, 0, 0, 1, 190},
    {"UPC-A letter after the length check", 0, "0123456789A", kSize, 2, 0, 0, 0, -21},
    {"UPC-A 12 bytes with a letter", 0, "01234567890A", kSize, 2, 0, 0, 0, -21},
    {"UPC-E bars", 1, "01234500005", kSize, 2, 1, 0, 1, 102},
    {"UPC-E text", 1, "01234500005", kSize, 2, 1, 0, 2, 95},
    {"UPC-E measure 0", 1, "01234500005", kSize, 2, 1, 0, 0, 102},
    {"UPC-E non-digit", 1, "0123450000x", kSize, 2, 0, 0, 0, -22},
    {"UPC-E non-digit before suppression", 1, "1000000000x", kSize, 2, 0, 0, 0, -22},
    {"UPC-E number system 1", 1, "10000000005", kSize, 2, 0, 0, 0, -32},
    {"UPC-E no rule matches", 1, "01234560000", kSize, 2, 0, 0, 0, -32},
    {"EAN-13 bars", 2, "400638133393", kSize, 2, 0, 0, 1, 190},
    {"EAN-13 text", 2, "400638133393", kSize, 2, 1, 0, 2, 6 + 13 * 12 + 6 + 12},
    {"EAN-13 non-digit", 2, "40063813339x", kSize, 2, 0, 0, 0, -23},
    {"EAN-8 bars", 3, "1234567", kSize, 2, 0, 0, 1, 134},
    {"EAN-8 bars, check given", 3, "12345670", kSize, 2, 0, 0, 1, 134},
    {"EAN-8 non-digit", 3, "123456x", kSize, 2, 0, 0, 0, -24},
    // Code 39, ITF, Codabar.
    {"Code 39 bars", 4, "123", kSize, 2, 0, 0, 1, 143},
    {"Code 39 w3 bars", 4, "123", kSize, 3, 0, 0, 1, 222},
    {"Code 39 text", 4, "123", kSize, 2, 1, 0, 2, 138},
    {"Code 39 hri char width 6", 4, "123", kSize, 2, 1, 6, 2, 132},
    {"Code 39 hri char width 32", 4, "123", kSize, 2, 1, 32, 2, 158},
    {"Code 39 hri char width 9", 4, "123", kSize, 2, 1, 1, 2, 135},
    {"Code 39 lowercase", 4, "abc", kSize, 2, 0, 0, 0, -25},
    {"Code 39 star in the data", 4, "A*B", kSize, 2, 0, 0, 0, -25},
    {"ITF bars", 5, "1234", kSize, 2, 0, 0, 1, 81},
    {"ITF w3 bars", 5, "1234", kSize, 3, 0, 0, 1, 126},
    {"ITF text", 5, "1234", kSize, 2, 3, 0, 2, 76},
    {"ITF non-digit", 5, "12a4", kSize, 2, 0, 0, 0, -26},
    {"Codabar bars", 6, "A123B", kSize, 2, 0, 0, 1, 114},
    {"Codabar w3 bars", 6, "A123B", kSize, 3, 0, 0, 1, 177},
    {"Codabar one letter", 6, "A", kSize, 2, 0, 0, 1, 23},
    {"Codabar no start/stop", 6, "1234", kSize, 2, 0, 0, 0, -37},
    {"Codabar no stop", 6, "A1234", kSize, 2, 0, 0, 0, -37},
    {"Codabar lowercase", 6, "a123b", kSize, 2, 0, 0, 0, -27},
    {"Codabar set before start/stop", 6, "A12E", kSize, 2, 0, 0, 0, -27},
    // Code 93.
    {"Code 93 TEST93 bars", 7, "TEST93", kSize, 2, 0, 0, 1, 182},
    {"Code 93 TEST93 text", 7, "TEST93", kSize, 2, 1, 0, 2, 177},
    {"Code 93 lowercase: two values", 7, "a", kSize, 2, 1, 0, 1, 110},
    {"Code 93 lowercase: three cells", 7, "a", kSize, 2, 1, 0, 2, 102},
    {"Code 93 NUL: two values", 7, bytes({0}), kSize, 2, 1, 0, 1, 110},
    {"Code 93 NUL: four cells", 7, bytes({0}), kSize, 2, 1, 0, 2, 106},
    {"Code 93 DEL: four cells", 7, bytes({127}), kSize, 2, 1, 0, 2, 106},
    {"Code 93 byte 0x80", 7, bytes({'A', 0x80}), kSize, 2, 0, 0, 0, -28},
    {"Code 93 255 bytes to 512 values", 7, std::string(255, '\0'), kSize, 2, 0, 0, 1,
     (9 * 512 + 19) * 2},
    {"Code 93 255 bytes to 512 values, w6", 7, std::string(255, 'a'), kSize, 6, 0, 0, 1,
     (9 * 512 + 19) * 6},
    // Code 128.
    {"Code 128 {BABC bars", 8, "{BABC", kSize, 2, 1, 0, 1, 136},
    {"Code 128 {BABC text", 8, "{BABC", kSize, 2, 1, 0, 2, 106},
    {"Code 128 set C binary pairs", 8, bytes({'{', 'C', 12, 34, 56}), kSize, 2, 1, 0, 1, 136},
    {"Code 128 set C two cells each", 8, bytes({'{', 'C', 12, 34, 56}), kSize, 2, 1, 0, 2, 111},
    {"Code 128 start only", 8, "{A", kSize, 2, 1, 0, 1, 70},
    {"Code 128 start only: no text", 8, "{A", kSize, 2, 1, 0, 2, 0},
    {"Code 128 lone escape dropped", 8, "{A{", kSize, 2, 1, 0, 1, 70},
    {"Code 128 escapes add no cells", 8, "{A{1{2{3{4", kSize, 2, 1, 0, 2, 0},
    {"Code 128 escaped brace is one cell", 8, "{B{{", kSize, 2, 1, 0, 2,
     22 + (92 - 22 - 26) / 2 + 12},
    {"Code 128 SHIFT", 8, "{A{Sa", kSize, 2, 0, 0, 1, 114},
    {"Code 128 lowercase in set A", 8, "{Aa", kSize, 2, 0, 0, 0, -39},
    {"Code 128 escaped brace in set A", 8, "{A{{", kSize, 2, 0, 0, 0, -39},
    {"Code 128 SHIFT in set C", 8, "{C{S", kSize, 2, 0, 0, 0, -39},
    {"Code 128 FNC4 in set C", 8, "{C{4", kSize, 2, 0, 0, 0, -39},
    {"Code 128 CODE C in set C", 8, "{C{C", kSize, 2, 0, 0, 0, -39},
    {"Code 128 CODE A in set A", 8, "{A{A", kSize, 2, 0, 0, 0, -39},
    {"Code 128 unknown escape", 8, "{B{x", kSize, 2, 0, 0, 0, -39},
    {"Code 128 set C byte 100", 8, bytes({'{', 'C', 100}), kSize, 2, 0, 0, 0, -39},
    {"Code 128 control character in set B", 8, bytes({'{', 'B', 1}), kSize, 2, 0, 0, 0, -39},
    {"Code 128 no start selector", 8, "AB", kSize, 2, 0, 0, 0, -39},
    {"Code 128 start D", 8, "{D", kSize, 2, 0, 0, 0, -39},
    {"Code 128 byte 0x80", 8, bytes({'{', 'B', 'A', 0x80}), kSize, 2, 0, 0, 0, -29},
    {"Code 128 first bad byte decides", 8, bytes({'{', 'A', 'a', 0x80}), kSize, 2, 0, 0, 0, -39},
    {"Code 128 byte 0x80 first", 8, bytes({'{', 'A', 0x80, 'a'}), kSize, 2, 0, 0, 0, -29},
    {"Code 128 byte 0x80 after an escape", 8, bytes({'{', 'A', '{', 0x80}), kSize, 2, 0, 0, 0,
     -29},
};

TEST(LinearWidth, ParametersLengthsStatusesAndWidths) {
    for (const WidthCase &c : kCases) {
        const int32_t length = c.length == kSize ? static_cast<int32_t>(c.data.size()) : c.length;
        for (auto call : {getBarCodeWidth, get1DBarCodeWidth})
            EXPECT_EQ(call(c.data.data(), length, c.symbology, c.moduleWidth, c.hriPosition,
                           c.hriCharWidth, c.measure),
                      c.expected)
                << c.name;
    }
}

}  // namespace
