// The encoders' intermediate results: check digits, UPC-E zero suppression,
// Code 93 check characters and Code 128 code values with escapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linear/code128.h"
#include "linear/code93.h"
#include "linear/upc_ean.h"

namespace barsize::linear {
namespace {

std::vector<uint8_t> digitValues(const std::string &digits) {
    std::vector<uint8_t> v;
    for (char c : digits) v.push_back(static_cast<uint8_t>(c - '0'));
    return v;
}

TEST(LinearEncoding, Gs1CheckDigit) {
    const struct {
        const char *digits;
        int check;
    } cases[] = {{"01234567890", 5}, {"400638133393", 1}, {"1234567", 0}, {"00000000000", 0},
                 {"9", 3}};
    for (const auto &c : cases) {
        const std::vector<uint8_t> d = digitValues(c.digits);
        EXPECT_EQ(gs1CheckDigit(d.data(), static_cast<int>(d.size())), c.check) << c.digits;
    }
}

TEST(LinearEncoding, UpcEZeroSuppressionFirstMatchWins) {
    const struct {
        const char *upcA;
        const char *upcE;  // nullptr: no rule matches
    } cases[] = {
        {"01200000345", "123450"},  // rule 0
        {"01210000345", "123451"},  // rule 1
        {"04220000526", "425262"},  // rule 2
        {"01230000045", "123453"},  // rule 3
        {"01234000005", "123454"},  // rule 4
        {"01234500005", "123455"},  // rule 5
        {"01234500009", "123459"},  // rule 9
        {"00000000000", "000000"},  // rule 0 before rules 3 to 5
        {"01230000005", "123053"},  // rules 3, 4 and 5 match: 3 wins
        {"10000000005", nullptr},   // number system 1
        {"01234560000", nullptr},
        {"01234500004", nullptr},  // rules 5 to 9 need a last digit 5 to 9
        {"01230000145", nullptr},
    };
    for (const auto &c : cases) {
        const std::vector<uint8_t> a = digitValues(c.upcA);
        uint8_t e[6] = {};
        const bool ok = suppressZeros(a.data(), e);
        ASSERT_EQ(ok, c.upcE != nullptr) << c.upcA;
        if (ok) {
            std::string got;
            for (uint8_t d : e) got.push_back(static_cast<char>('0' + d));
            EXPECT_EQ(got, c.upcE) << c.upcA;
        }
    }
}

TEST(LinearEncoding, Code93ChecksAndFullAscii) {
    uint8_t values[kCode93MaxValues];
    int32_t cells = 0;
    const std::string test93 = "TEST93";
    ASSERT_EQ(code93Values(reinterpret_cast<const uint8_t *>(test93.data()), 6, values, cells), 8);
    EXPECT_EQ(values[6], 41);  // C = '+'
    EXPECT_EQ(values[7], 6);   // K = '6'
    EXPECT_EQ(cells, 6);

    // Weights start again at 1 after 20 (C) and after 15 (K): 21 ones give
    // C = (1 + 1 + 2 + ... + 20) mod 47 = 23 and K = (23 + 2 + ... + 15 + 1 + 2
    // + ... + 7) mod 47 = 29.
    const std::string ones(21, '1');
    ASSERT_EQ(code93Values(reinterpret_cast<const uint8_t *>(ones.data()), 21, values, cells), 23);
    EXPECT_EQ(values[21], 23);
    EXPECT_EQ(values[22], 29);

    const uint8_t mixed[] = {0, 'a', '!', ' ', 127};
    ASSERT_EQ(code93Values(mixed, 5, values, cells), 11);
    const uint8_t expected[] = {44, 30, 46, 10, 45, 10, 38, 44, 29};  // (%)U (+)A (/)A SP (%)T
    for (int i = 0; i < 9; ++i) EXPECT_EQ(values[i], expected[i]) << i;
    EXPECT_EQ(cells, 2 + 1 + 1 + 1 + 2);
}

std::string withBytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

TEST(LinearEncoding, Code128ValuesAndCells) {
    const struct {
        std::string data;
        std::vector<int> values;  // start, data values and check
        int cells;
    } cases[] = {
        {"{BABC", {104, 33, 34, 35, 1}, 3},
        {"{C12", {105, 49, 50, 48}, 4},  // ASCII bytes, not the number 12
        {withBytes({'{', 'C', 12, 34, 56}), {105, 12, 34, 56, 44}, 6},
        {withBytes({'{', 'A', 0, 31, ' ', '_'}), {103, 64, 95, 0, 63, 94}, 4},
        {withBytes({'{', 'B', '`', '~', 127}), {104, 64, 94, 95, 23}, 3},
        {"{A{Sa", {103, 98, 65, 22}, 1},
        {"{A{SaA", {103, 98, 65, 33, 18}, 2},  // back to set A after one character
        {"{B{S{1a", {104, 98, 102, 65, 86}, 1},  // SHIFT then an escape: current set again
        {"{A{S{{", {103, 98, 91, 74}, 1},  // the escape looked up in set B
        {"{B{{", {104, 91, 92}, 1},
        {"{A{1{2{3{4", {103, 102, 97, 96, 101, 61}, 0},
        {"{B{4", {104, 100, 101}, 0},
        {"{C{1{B{A{C", {105, 102, 100, 101, 99, 76}, 0},
        {"{B{", {104, 1}, 0},
    };
    for (const auto &c : cases) {
        Code128Values out;
        const int32_t status = code128Values(reinterpret_cast<const uint8_t *>(c.data.data()),
                                             static_cast<int32_t>(c.data.size()), out);
        ASSERT_EQ(status, 0) << c.data;
        ASSERT_EQ(out.count, static_cast<int>(c.values.size())) << c.data;
        for (size_t k = 0; k < c.values.size(); ++k)
            EXPECT_EQ(out.values[k], c.values[k]) << c.data << " value " << k;
        EXPECT_EQ(out.hriCells, c.cells) << c.data;
    }
}

}  // namespace
}  // namespace barsize::linear
