// NUL and non-ASCII bytes at the start, in the middle and at the end of a
// good datum, in every symbology: a byte the symbology cannot carry is
// refused with its data status; one it can carry gives a symbol that the
// independent decoder reads back as exactly the data; an element string ends
// at a NUL byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "call_cases.h"
#include "support/decoder.h"

namespace barsize::test {
namespace {

enum class Byte { Refused, Carried, EndsText };

struct ByteCase {
    const char *name;
    CallCase call;
    std::vector<int32_t> refusals;  // result (linear) or status (2D) of a refused byte
    Byte nul, high;                 // what a 0x00 and a 0x80 / 0xFF byte do
    size_t firstPosition;           // bytes before it are syntax (Code 128 start selector)
    const char *format;             // decoder format of a carried byte
};

CallCase linear(int32_t symbology, std::string data) {
    return {"", CallKind::Linear, symbology, 0, {}, {2, 2, 0, 0}, std::move(data)};
}

CallCase twoD(int32_t symbology, int32_t subtype, std::initializer_list<uint16_t> fields,
              std::string data) {
    CallCase c{"", CallKind::TwoD, symbology, subtype, {}, {}, std::move(data)};
    int i = 0;
    for (uint16_t f : fields) c.fields[i++] = f;
    return c;
}

const char kElementString[] = "(01)09501101530008(10)ABCD";

const ByteCase kByteCases[] = {
    {"UPC-A", linear(0, "01234567890"), {-21}, Byte::Refused, Byte::Refused, 0, ""},
    {"UPC-E", linear(1, "01234500005"), {-22}, Byte::Refused, Byte::Refused, 0, ""},
    {"EAN-13", linear(2, "590123412345"), {-23}, Byte::Refused, Byte::Refused, 0, ""},
    {"EAN-8", linear(3, "9638507"), {-24}, Byte::Refused, Byte::Refused, 0, ""},
    {"Code 39", linear(4, "CODE39"), {-25}, Byte::Refused, Byte::Refused, 0, ""},
    {"ITF", linear(5, "123456"), {-26}, Byte::Refused, Byte::Refused, 0, ""},
    {"Codabar", linear(6, "A1234B"), {-27, -37}, Byte::Refused, Byte::Refused, 0, ""},
    {"Code 93", linear(7, "CODE93"), {-28}, Byte::Carried, Byte::Refused, 0, "Code93"},
    {"Code 128", linear(8, "{AHELLO"), {-29, -39}, Byte::Carried, Byte::Refused, 2, "Code128"},
    {"DataBar", linear(75, "0001234567890"), {-20}, Byte::Refused, Byte::Refused, 0, ""},
    {"DataBar Limited", linear(77, "0150123456789"), {-20}, Byte::Refused, Byte::Refused, 0, ""},
    {"DataBar Expanded", linear(78, kElementString), {-15}, Byte::EndsText, Byte::Refused, 0, ""},
    {"QR Code", twoD(49, 0, {50, 1, 48}, "QR Code 12345"), {}, Byte::Carried, Byte::Carried, 0,
     "QRCode"},
    {"PDF417", twoD(48, 0, {0, 0, 2, 3, 48, 49, 0}, "PDF417 12345"), {}, Byte::Carried,
     Byte::Carried, 0, "PDF417"},
    {"DataBar Stacked", twoD(51, 72, {3, 0}, "0001234567890"), {-6}, Byte::Refused,
     Byte::Refused, 0, ""},
    {"DataBar Stacked Omni", twoD(51, 73, {3, 0}, "0001234567890"), {-6}, Byte::Refused,
     Byte::Refused, 0, ""},
    {"DataBar Expanded Stacked", twoD(51, 76, {3, 0}, kElementString), {-6}, Byte::EndsText,
     Byte::Refused, 0, ""},
};

// Runs the case on an exact heap copy of data; for a carried success, adds
// the picture of the symbol to `pictures`.
CallAnswer runExact(const ByteCase &c, const std::string &data, std::vector<TestRaster> *pictures) {
    std::unique_ptr<char[]> copy(new char[data.size()]);
    std::copy(data.begin(), data.end(), copy.get());
    const int32_t length = static_cast<int32_t>(data.size());
    if (c.call.kind == CallKind::Linear) {
        CallAnswer answer = runUnlockedWith(c.call, copy.get(), length);
        if (answer.result >= 0 && pictures != nullptr)
            pictures->push_back(rasterFromBarRow(c.format));
        return answer;
    }
    CallAnswer answer;
    SymbolImage image = {};
    answer.result = getBarCodeWidth2D(copy.get(), length, c.call.symbology, c.call.subtype,
                                      c.call.fields, &answer.width, &answer.height,
                                      &answer.status, &image);
    if (answer.result == 0 && pictures != nullptr)
        pictures->push_back(rasterFromImage(image, c.format, 3));
    return answer;
}

TEST(HostileBytes, NulAndNonAsciiBytesAreRefusedCarriedOrEndTheText) {
    std::vector<TestRaster> pictures;
    std::vector<std::string> expected, labels;
    for (const ByteCase &c : kByteCases) {
        const std::string &good = c.call.data;
        const size_t positions[] = {c.firstPosition, (c.firstPosition + good.size()) / 2,
                                    good.size() - 1};
        for (unsigned char byte : {0x00, 0x80, 0xFF})
            for (size_t at : positions) {
                std::string data = good;
                data[at] = static_cast<char>(byte);
                const std::string label = std::string(c.name) + ": byte " +
                                          std::to_string(byte) + " at " + std::to_string(at);
                const Byte rule = byte == 0 ? c.nul : c.high;
                const size_t before = pictures.size();
                const CallAnswer answer =
                    runExact(c, data, rule == Byte::Carried ? &pictures : nullptr);
                const int32_t code = c.call.kind == CallKind::Linear ? answer.result : answer.status;
                if (rule == Byte::Refused) {
                    EXPECT_NE(std::find(c.refusals.begin(), c.refusals.end(), code),
                              c.refusals.end())
                        << label << ": " << describe(answer);
                } else if (rule == Byte::Carried) {
                    if (answer.result < 0 || pictures.size() != before + 1) {
                        ADD_FAILURE() << label << ": " << describe(answer);
                        continue;
                    }
                    expected.push_back(data.substr(c.firstPosition));
                    labels.push_back(label);
                } else if (at > 0) {
                    // The text ends at the NUL: the same symbol as the bytes before it.
                    EXPECT_EQ(answer, runExact(c, good.substr(0, at), nullptr))
                        << label << ": " << describe(answer);
                }
            }
    }
    const std::vector<DecodeResult> results = decodeRasters(pictures);
    ASSERT_EQ(results.size(), expected.size());
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].found) << labels[i] << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, expected[i]) << labels[i];
        if (results[i].unusedErrorCorrection >= 0) {
            EXPECT_EQ(results[i].unusedErrorCorrection, 1.0) << labels[i];
        }
    }
}

}  // namespace
}  // namespace barsize::test
