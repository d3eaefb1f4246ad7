// Element strings as people write them, to the bare data string.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "databar/element_string.h"

namespace barsize::databar {
namespace {

bool convert(const std::string &text, std::string &output) {
    static ElementString out;
    const bool ok = convertElementString(reinterpret_cast<const uint8_t *>(text.data()),
                                         static_cast<uint32_t>(text.size()), out);
    output.assign(out.text, static_cast<size_t>(out.length));
    EXPECT_EQ(std::strlen(out.text), static_cast<size_t>(out.length));
    return ok;
}

TEST(DataBarElementString, Conversions) {
    struct Case { const char *in, *out; };
    const Case cases[] = {
        {"(01)09501101530008(10)AB{1(21)123", "010950110153000810AB#21123"},
        {"1234567890123*", "12345678901231"},
        {"0950110153000*", "09501101530003"},
        {"123456789012A*", "123456789012A"},
        {"1234567890123A*", "1234567890123A*"},
        {"*12", "*12"},
        {"{{{(", "{("},
        {"{){*", ")*"},
        {"()", ""},
        {"0950110153000", "0950110153000"},
        {"a b!\"%&',-./:;<=>?_+", "a b!\"%&',-./:;<=>?_+"},
    };
    for (const Case &c : cases) {
        std::string out;
        EXPECT_TRUE(convert(c.in, out)) << c.in;
        EXPECT_EQ(out, c.out) << c.in;
    }
}

TEST(DataBarElementString, Rejections) {
    const char *cases[] = {"{x", "12{", "ab#1", "a$", "a@", "[", "\\", "]", "^", "`", "|", "}",
                           "~", "\x7f", "\t", "\xE9"};
    for (const char *c : cases) {
        std::string out = "unchanged";
        EXPECT_FALSE(convert(c, out)) << c;
        EXPECT_EQ(out, "");
    }
}

TEST(DataBarElementString, EndsAtTheLengthOrAZeroByte) {
    std::string out;
    EXPECT_TRUE(convert(std::string("12\0#$", 5), out));
    EXPECT_EQ(out, "12");
    static ElementString result;
    EXPECT_TRUE(convertElementString(reinterpret_cast<const uint8_t *>("123$"), 3, result));
    EXPECT_EQ(std::string(result.text), "123");
}

TEST(DataBarElementString, OutputLimit) {
    std::string out;
    EXPECT_TRUE(convert(std::string(2435, '7') + "()", out));
    EXPECT_EQ(out.size(), 2435u);
    EXPECT_FALSE(convert(std::string(2436, '7'), out));
    EXPECT_FALSE(convert(std::string(2435, '7') + "{1", out));
}

}  // namespace
}  // namespace barsize::databar
