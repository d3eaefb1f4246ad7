// No encoding path touches the heap: every export, with data that reaches
// each family's encoder, makes no allocation; the one exception is the block
// get2DBarCodeWidth hands to the caller.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "barsize.h"
#include "support/allocation_counter.h"

namespace {

using barsize::test::startCountingAllocations;
using barsize::test::stopCountingAllocations;

std::string repeatTo(const std::string &pattern, size_t n) {
    std::string out;
    while (out.size() < n) out += pattern;
    out.resize(n);
    return out;
}

std::string kanji(size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        out.push_back(static_cast<char>(0x88 + i % 16));
        out.push_back(static_cast<char>(0x9F + (i * 7) % 94));
    }
    return out;
}

std::string binary(size_t n) {
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>((i * 151 + 7) & 0xFF);
    return out;
}

// n Code 128 set C values, each a byte 0 to 99.
std::string setCValues(size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i) out.push_back(static_cast<char>((i * 37 + 11) % 100));
    return out;
}

struct Call {
    std::string name;
    std::function<int32_t()> run;
    bool valid = true;  // the data makes a symbol (else the export refuses it)
};

int32_t encode2D(int32_t symbology, int32_t subtype, const void *params, const std::string &data,
                 bool locked) {
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    auto *encode = locked ? get2DBarCodeWidth : getBarCodeWidth2D;
    return encode(data.data(), static_cast<int32_t>(data.size()), symbology, subtype, params,
                  &width, &height, &status, &image);
}

std::vector<Call> everyExport() {
    std::vector<Call> calls;
    struct Linear {
        int32_t symbology;
        std::string data;
        bool valid = true;
    };
    const Linear linear[] = {
        {0, "01234567890"}, {1, "01234500005"}, {2, "590123412345"}, {3, "9638507"},
        {4, repeatTo("CODE39 ", 255)}, {5, repeatTo("0123456789", 254)},
        {6, "A" + repeatTo("0123456789", 253) + "B"}, {7, repeatTo("Mixed Case 93!", 255)},
        {8, "{B" + repeatTo("Code 128 {{ ", 60)}, {8, "{C" + setCValues(40)},
        {4, "bad*", false}, {75, "0950110153000"}, {76, "0950110153000"}, {77, "0950110153000"},
        {78, "(01)09501101530003(3103)001750(15)970331(10)ABC123"}, {78, "(99)#", false},
    };
    for (const Linear &l : linear) {
        const std::string name = "getBarCodeWidth " + std::to_string(l.symbology) + " " +
                                  l.data.substr(0, 12);
        calls.push_back({name, [l] {
                             return getBarCodeWidth(l.data.data(),
                                                    static_cast<int32_t>(l.data.size()),
                                                    l.symbology, 2, 2, 0, 0);
                         }, l.valid});
        calls.push_back({"get1DBarCodeWidth " + name.substr(16), [l] {
                             return get1DBarCodeWidth(l.data.data(),
                                                      static_cast<int32_t>(l.data.size()),
                                                      l.symbology, 3, 1, 1, 1);
                         }, l.valid});
    }

    struct TwoD {
        const char *name;
        int32_t symbology, subtype;
        std::vector<uint16_t> params;  // the parameter record's fields
        std::string data;
        bool valid = true;
    };
    const TwoD twoD[] = {
        {"PDF417 text", 48, 0, {0, 0, 2, 3, 0, 5, 0}, repeatTo("Receipt 0042, Coffee x2. ", 1000)},
        {"PDF417 binary", 48, 0, {14, 0, 2, 3, 48, 53, 1}, binary(900)},
        {"PDF417 numeric", 48, 0, {0, 0, 2, 3, 1, 2, 0}, repeatTo("0123456789", 2000)},
        {"PDF417 empty", 48, 0, {0, 0, 2, 3, 0, 5, 0}, "", false},
        {"QR M2 numeric v40", 49, 0, {50, 1, 48}, repeatTo("0123456789", 7089)},
        {"QR M2 mixed", 49, 0, {50, 4, 49}, "HELLO 0123456789 world " + kanji(20) + binary(30)},
        {"QR M2 Kanji", 49, 0, {2, 2, 51}, kanji(300)},
        {"QR M1 byte", 49, 0, {49, 3, 50}, repeatTo("the lazy dog ", 200)},
        {"QR too much for H", 49, 0, {50, 1, 51}, repeatTo("abc", 3000), false},
        {"DataBar Stacked", 51, 72, {2, 0}, "0950110153000"},
        {"DataBar Stacked Omni", 51, 73, {1, 0}, "0950110153000"},
        {"DataBar Expanded Stacked", 51, 76, {2, 300},
         "(01)09501101530003(3103)001750(15)970331(10)ABC123{1(21)12345678"},
    };
    for (const TwoD &t : twoD) {
        calls.push_back({std::string("getBarCodeWidth2D ") + t.name,
                         [t] { return encode2D(t.symbology, t.subtype, t.params.data(), t.data, false); },
                         t.valid});
        calls.push_back({std::string("get2DBarCodeWidth without a block ") + t.name,
                         [t] { return encode2D(t.symbology, t.subtype, t.params.data(), t.data, true); },
                         t.valid});
    }

    const std::string text = repeatTo("Receipt 0042, Coffee x2. ", 500);
    calls.push_back({"getPDF417Width", [text] {
                         return getPDF417Width(text.data(), static_cast<int32_t>(text.size()), 0,
                                               0, 2, 3, 0, 5, 0);
                     }});
    calls.push_back({"getPDF417Height", [text] {
                         return getPDF417Height(text.data(), static_cast<int32_t>(text.size()), 6,
                                                0, 2, 3, 1, 3, 0);
                     }});
    calls.push_back({"getQRCodeWidth", [text] {
                         return getQRCodeWidth(text.data(), static_cast<int32_t>(text.size()), 50,
                                               4, 49);
                     }});
    const std::string expanded = "(01)09501101530003(3103)001750(15)970331(10)ABC123";
    calls.push_back({"getGS1Width", [expanded] {
                         return getGS1Width(expanded.data(), static_cast<int32_t>(expanded.size()),
                                            76, 2, 0);
                     }});
    calls.push_back({"getGS1Height", [] { return getGS1Height("0950110153000", 13, 73, 3, 0); }});
    return calls;
}

TEST(NoHeap, TheCounterSeesAllocations) {
    void *(*volatile allocate)(size_t) = std::malloc;
    startCountingAllocations();
    void *block = allocate(64);
    std::vector<int> *vector = new std::vector<int>(100);
    const long counted = stopCountingAllocations();
    delete vector;
    std::free(block);
    EXPECT_GE(counted, 2);  // the malloc and at least the vector's storage
}

TEST(NoHeap, NoExportAllocates) {
    for (const Call &call : everyExport()) {
        startCountingAllocations();
        const int32_t result = call.run();
        const long counted = stopCountingAllocations();
        EXPECT_EQ(counted, 0) << call.name << " (result " << result << ")";
        if (call.valid) EXPECT_GE(result, 0) << call.name << ": the data is valid";
        else EXPECT_LT(result, 0) << call.name << ": the data is bad";
    }
}

TEST(NoHeap, Get2DBarCodeWidthAllocatesOnlyTheCallersBlock) {
    const QrParams qr = {50, 4, 48};
    const std::string data = "HELLO 0123456789";
    void *block = nullptr;
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {};
    image.pixels = &block;
    startCountingAllocations();
    const int32_t result = get2DBarCodeWidth(data.data(), static_cast<int32_t>(data.size()), 49, 0,
                                             &qr, &width, &height, &status, &image);
    const long counted = stopCountingAllocations();
    EXPECT_EQ(counted, result == 0 ? 1 : 0) << "result " << result;
    barsizeBlockFree(block);
}

}  // namespace
