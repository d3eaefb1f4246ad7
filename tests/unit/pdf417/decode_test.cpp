// Every symbol decodes, with the independent decoder, to exactly its data,
// using none of its error correction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barsize.h"
#include "pdf417/pdf417.h"
#include "support/decoder.h"

namespace barsize::pdf417 {
namespace {

using test::DecodeResult;
using test::TestRaster;

struct Symbol {
    std::string name;
    std::string data;
    Pdf417Params params;
};

Pdf417Params automatic(uint16_t moduleWidth = 2, uint16_t level = 2, uint16_t options = 0) {
    return Pdf417Params{0, 0, moduleWidth, 3, 0, level, options};
}

std::string allBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
}

std::string digits(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>('0' + (i * 7 + 3) % 10);
    return s;
}

// n bytes of 128 and above, all different neighbours: one byte run.
std::string highBytes(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>(0x80 | ((i * 37) & 0x7F));
    return s;
}

// Deterministic mixtures of letters, digit runs, punctuation and binary.
std::string mixture(uint32_t seed) {
    static const char *const pieces[] = {"Hello", "world", " ", "#%&+=^", "0", "!?;", "\r\n\t",
                                         "$*,-./:", "@[\\]_`{|}~", "'\"()<>", "QUIET", "zone"};
    std::string s;
    uint32_t x = seed * 2654435761u + 1;
    const int parts = 4 + static_cast<int>(seed % 9);
    for (int i = 0; i < parts; ++i) {
        x = x * 1103515245u + 12345u;
        const uint32_t pick = (x >> 16) % 16;
        if (pick < 12) {
            s += pieces[pick];
        } else if (pick < 14) {
            s += digits(1 + (x >> 8) % 30);
        } else {
            const uint32_t n = 1 + (x >> 4) % 9;
            for (uint32_t b = 0; b < n; ++b) s += static_cast<char>(0x80 + ((x >> b) & 0x7F));
            if ((x & 3) == 0) s += '\0';
        }
    }
    return s;
}

std::vector<Symbol> symbols() {
    std::vector<Symbol> list = {
        {"ABC", "ABC", automatic(3, 1)},
        {"all text sub-modes",
         "Hello, World! #42 a=b^c; [x] {y} ~z | 'q' \"r\" <tag> @home $5.00 50% *star* "
         "path/to:file\tTab\r\nLine_end`",
         automatic()},
        {"upper shifts in lower", "aBcDeFgHiJ", automatic()},
        {"upper latch in lower", "abCDEFGhij", automatic()},
        {"punctuation shifts", "A!B?C;D", automatic()},
        {"punctuation latches", "A!!!!B1#!!!!a1A", automatic()},
        {"punctuation to every sub-mode", "(!)a[?]B{;}1", automatic()},
        {"text ending in punctuation", "end!!!!", automatic()},
        {"byte shift inside text", "ABCDE\x80" "FGHIJ", automatic()},
        {"byte shift after lower", "ab\x80", automatic()},
        {"short text joins bytes", "A\x80" "BCDEF", automatic()},
        {"one byte", "\x80", automatic()},
        {"five bytes", "\x80\x81\x82\x83\x84", automatic()},
        {"six bytes: 924", "\x80\x81\x82\x83\x84\x85", automatic()},
        {"seven bytes", "\x80\x81\x82\x83\x84\x85\x86", automatic()},
        {"twelve bytes: 924", std::string("\x01\x02\x03\x04\x05\x06\xfa\xfb\xfc\xfd\xfe\xff", 12), automatic()},
        {"thirteen bytes", std::string("\x00\x02\x03\x04\x05\x06\xfa\xfb\xfc\xfd\xfe\xff\x00", 13), automatic()},
        {"every byte value", allBytes(), automatic(1, 2)},
        {"seven digits in text", "1234567", automatic()},
        {"eight digits", "12345678", automatic()},
        {"44 digits", digits(44), automatic()},
        {"45 digits", digits(45), automatic()},
        {"100 digits", digits(100), automatic()},
        {"leading zeros", "000000000000000000001", automatic()},
        {"thirteen digits between letters", "ABC1234567890123DEF", automatic()},
        {"fourteen digits between letters", "ABC12345678901234DEF", automatic()},
        {"digits after bytes", "\x80\x81" "12345\x82", automatic()},
        {"digits after bytes, then text", "\x80\x81" "12345A", automatic()},
        {"mixed runs", "Invoice 2024-0001: \x01\x02 total 1234567890123456 EUR\x00ok", automatic(2, 3)},
        {"text, numeric, byte, text", "Ref 98765432109876543210 \xc3\xa9t\xc3\xa9 done", automatic()},
        {"truncated ABC", "ABC", automatic(3, 1, 1)},
        {"truncated text", "Truncated PDF417 symbols drop the right indicator", automatic(2, 3, 1)},
        {"truncated module 8", "TRUNC8", automatic(8, 1, 1)},
        {"truncated fixed", "truncated fixed layout 12345678901234567890", {4, 12, 2, 3, 0, 3, 1}},
        {"requested columns", "requested columns", {3, 0, 2, 3, 0, 2, 0}},
        {"requested rows", "requested rows", {0, 20, 2, 3, 0, 2, 0}},
        {"fixed 6 x 30", "a fixed layout", {6, 30, 2, 3, 0, 4, 0}},
        {"fixed 1 x 6", "one", {1, 6, 2, 3, 0, 0, 0}},
        {"fixed, data just fits", std::string(108, '\x80'), {10, 10, 2, 3, 0, 2, 0}},
        {"automatic, data just fits", std::string(496, '\x80'), automatic(1, 8)},
        {"928 codewords at level 0", highBytes(1108), automatic(1, 0)},
        {"fixed 90 rows", "Ninety rows: " + digits(500), {10, 90, 1, 3, 0, 4, 0}},
        {"row height 1", "row height one", {0, 0, 3, 1, 0, 2, 0}},
        {"row height 8", "row height eight", {0, 0, 1, 8, 0, 2, 0}},
        {"ratio 10 %", "ratio ten percent", {0, 0, 2, 3, 49, 1, 0}},
        {"ratio 50 %", "ratio fifty percent", {0, 0, 2, 3, 1, 5, 0}},
        {"ratio 100 %", "ratio one hundred percent", {0, 0, 2, 3, 1, 10, 0}},
        {"ratio 400 %", "ratio four hundred percent", {0, 0, 1, 3, 1, 40, 0}},
        {"ratio, fixed layout", "ratio in a fixed layout", {5, 10, 2, 3, 1, 3, 0}},
    };
    for (uint16_t level = 0; level <= 8; ++level)
        list.push_back({"level " + std::to_string(level), "Level " + std::to_string(level) + " 0123456789",
                        automatic(1, level)});
    for (uint16_t module = 1; module <= 7; ++module)
        list.push_back({"module " + std::to_string(module), "Module width " + std::to_string(module),
                        automatic(module, 2)});
    list.push_back({"module 8", "Module width 8", {2, 0, 8, 3, 0, 2, 0}});
    for (uint32_t seed = 0; seed < 24; ++seed)
        list.push_back({"mixture " + std::to_string(seed), mixture(seed),
                        automatic(1 + seed % 3, static_cast<uint16_t>(seed % 5), seed % 4 == 3)});
    return list;
}

TEST(Pdf417Decode, EverySymbolReadsBackExactlyWithoutErrorCorrection) {
    const std::vector<Symbol> all = symbols();
    std::vector<TestRaster> rasters;
    for (const Symbol &s : all) {
        int16_t width = 0, height = 0, status = 0;
        SymbolImage image = {};
        const int32_t result = getBarCodeWidth2D(s.data.data(), static_cast<int32_t>(s.data.size()),
                                                 48, 0, &s.params, &width, &height, &status, &image);
        ASSERT_EQ(result, 0) << s.name << " status " << status;
        const int moduleWidth = s.params.moduleWidth;
        rasters.push_back(test::rasterFromImage(image, "PDF417", moduleWidth == 1 ? 3 : moduleWidth <= 3 ? 2 : 1));
        rasters.back().quietZone = 2 * moduleWidth;
    }
    const std::vector<DecodeResult> results = test::decodeRasters(rasters);
    ASSERT_EQ(results.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const DecodeResult &r = results[i];
        EXPECT_TRUE(r.found) << all[i].name << ": " << r.error;
        EXPECT_EQ(r.bytes, all[i].data) << all[i].name;
        EXPECT_EQ(r.unusedErrorCorrection, 1.0) << all[i].name << " " << r.extra;
    }
}

}  // namespace
}  // namespace barsize::pdf417
