// Every symbol we draw decodes, with the independent decoder, to exactly
// its data and without error correction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qr_test_support.h"
#include "qrcode/analysis.h"
#include "qrcode/qr_state.h"
#include "qrcode/qr_tables.h"
#include "support/decoder.h"

namespace barsize::test {
namespace {

using qrcode::qrState;

struct Sample {
    std::string data;
    uint16_t model;  // 1 or 2
    uint16_t level;  // 0 to 3
    int version;     // expected version, 0: not checked
};

// Shift JIS hiragana: i-th character from 0x829F on.
std::string kanji(int count, int first = 1) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += static_cast<char>(0x82);
        out += static_cast<char>(0x9F + (first + i) % 83);
    }
    return out;
}

// Byte-mode text of n bytes with varied values (no digits or capitals, so
// one Byte segment).
std::string bytesOf(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>('a' + (i * 7) % 26);
    return out;
}

// The most Byte-mode bytes a version holds at a level.
int byteCapacity(int model, int version, int level) {
    const qrcode::QrVersionRow &row = qrcode::versionRow(model == 1 ? qrcode::Model1 : qrcode::Model2, version - 1);
    const int bits = 8 * row.dataCodewords[level] - 4 - qrcode::kCountBits[qrcode::Byte][qrcode::countGroup(version - 1)] -
                     (model == 1 ? 4 : 0);
    return bits / 8;
}

std::vector<Sample> samples() {
    std::vector<Sample> s;
    const std::string mixes[] = {
        "12345",
        "HELLO WORLD $%*+-./:",
        "Hello, world! \x01\x7F\xFF",
        kanji(6),
        "abcdefgh12345678ABCDEFGH",
        "a1ABCDEFGH" + kanji(3) + "0123456789012345" + "xyz",
        "\x82\xA0\x82\xA2" "A",
    };
    for (uint16_t model : {1, 2})
        for (uint16_t level = 0; level < 4; ++level)
            for (const std::string &m : mixes) s.push_back({m, model, level, 0});
    // Every Model 2 version, every Model 1 version, filled to capacity.
    for (int v = 1; v <= 40; ++v) s.push_back({bytesOf(byteCapacity(2, v, v % 4)), 2, static_cast<uint16_t>(v % 4), v});
    for (int v = 1; v <= 14; ++v)
        for (uint16_t level = 0; level < 4; ++level)
            if (v % 3 == 0 || level == v % 4) s.push_back({bytesOf(byteCapacity(1, v, level)), 1, level, v});
    // Long data of each mode.
    s.push_back({std::string(7089, '9'), 2, 0, 40});
    s.push_back({std::string(4296, 'Z'), 2, 0, 40});
    s.push_back({kanji(1817), 2, 0, 40});
    s.push_back({std::string(1167, '3'), 1, 0, 14});
    // A lone Kanji lead byte at the end of the data is a byte of its own.
    s.push_back({std::string("abc\x82", 4), 2, 0, 1});
    // Mixed data in runs of every class, many segments, all bytes 0 to 255.
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    for (int i = 0; i < 48; ++i) {
        std::string d;
        const uint32_t runs = 1 + next(i < 40 ? 12 : 60);
        for (uint32_t r = 0; r < runs; ++r) {
            const uint32_t kind = next(5), length = 1 + next(i % 3 == 0 ? 40 : 8);
            for (uint32_t k = 0; k < length; ++k) {
                if (kind == 0) d += static_cast<char>('0' + next(10));
                else if (kind == 1) d += "ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"[next(35)];
                else if (kind == 2) d += static_cast<char>('a' + next(26));
                else if (kind == 3) d += kanji(1, static_cast<int>(next(83)));
                else d += static_cast<char>(next(256));
            }
        }
        const uint16_t model = static_cast<uint16_t>(1 + i % 2);
        if (model == 1 && d.size() > 150) d.resize(150);  // may cut a Kanji pair: a lone lead byte
        s.push_back({d, model, static_cast<uint16_t>(next(4)), 0});
    }
    // Many segments whose count indicators widen at version 10.
    std::string boundary;
    for (int i = 0; i < 17; ++i) boundary += "a55555555";
    s.push_back({boundary + "b", 2, 2, 11});
    return s;
}

// The decoder finds a symbol of 45 modules or more only where it reads
// version information, which Model 1 does not have: for those it is given a
// copy with the version information blocks drawn over the data, and then
// corrects the codewords they cover.
void drawVersionInformation(TestRaster &raster, int version) {
    const int n = raster.width;
    const uint32_t word = qrcode::kVersionInformation[version - 7];
    for (int i = 0; i < 18; ++i) {
        const uint8_t bit = (word >> i) & 1;
        raster.dark[(i / 3) * n + n - 11 + i % 3] = bit;
        raster.dark[(n - 11 + i % 3) * n + i / 3] = bit;
    }
}

TEST(QrDecode, EverySymbolReadsBackExactly) {
    const std::vector<Sample> all = samples();
    std::vector<TestRaster> rasters;
    std::vector<int> versions;
    for (const Sample &sample : all) {
        // The caller's buffer holds a Kanji trail byte just past the data.
        std::string buffer = sample.data + "\xA0";
        QrParams params = {sample.model, 1, sample.level};
        int16_t w, h, status;
        SymbolImage image{};
        ASSERT_EQ(getBarCodeWidth2D(buffer.data(), static_cast<int32_t>(sample.data.size()), 49, 0,
                                    &params, &w, &h, &status, &image),
                  0)
            << status << " for " << sample.data.size() << " bytes";
        const int version = qrState.versionIndex + 1;
        versions.push_back(version);
        rasters.push_back(rasterFromImage(image, sample.model == 1 ? "QRCodeModel1" : "QRCodeModel2", 2));
        if (sample.model == 1 && version >= 7) drawVersionInformation(rasters.back(), version);
    }
    const std::vector<DecodeResult> results = decodeRasters(rasters);
    ASSERT_EQ(results.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const Sample &sample = all[i];
        const std::string what = "model " + std::to_string(sample.model) + " level " +
                                 std::to_string(sample.level) + " version " + std::to_string(versions[i]) +
                                 " data " + sample.data.substr(0, 24);
        if (sample.version != 0) {
            EXPECT_EQ(versions[i], sample.version) << what;
        }
        EXPECT_TRUE(results[i].found) << what << ": " << results[i].error;
        EXPECT_EQ(results[i].symbologyIdentifier, sample.model == 1 ? "]Q0" : "]Q1") << what;
        EXPECT_EQ(results[i].bytes, sample.data) << what;
        if (sample.model == 2 || versions[i] < 7) {
            EXPECT_EQ(results[i].unusedErrorCorrection, 1.0) << what;
        }
    }
}

}  // namespace
}  // namespace barsize::test
