// The encoder's stages, on the cases whose results are known exactly.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qr_test_support.h"
#include "qrcode/analysis.h"
#include "qrcode/data_stream.h"
#include "qrcode/error_correction.h"
#include "qrcode/finish.h"
#include "qrcode/galois_field.h"
#include "qrcode/matrix.h"
#include "qrcode/qr_state.h"

namespace barsize::qrcode {
namespace {

using test::encodeQr;
using test::hexBytes;

const char *modeName(QrMode m) {
    static const char *kNames[] = {"N", "A", "B", "K", "E"};
    return kNames[m];
}

// Segments of the last analysis as "N10 B3".
std::string segmentsText() {
    std::string out;
    for (int i = 0; i < qrState.segmentCount; ++i) {
        if (i) out += ' ';
        out += modeName(qrState.segmentList[i].mode) + std::to_string(qrState.segmentList[i].length);
    }
    return out;
}

void analyse(const std::string &data, QrModel model = Model2, int level = 0) {
    qrState.model = model;
    qrState.level = static_cast<uint8_t>(level);
    std::memcpy(qrState.inputCopy, data.data(), data.size());
    qrState.inputLength = static_cast<uint16_t>(data.size());
    analyseData();
}

TEST(QrAnalysis, SegmentsAndVersionEstimate) {
    struct Case {
        std::string data;
        const char *segments;
        int versionIndex;
    };
    const Case cases[] = {
        {"123abc", "B6", 0},
        {"1234567890abc", "N10 B3", 0},
        {"12345678901234567890abc", "N20 B3", 0},
        {"abc123DEF", "B3 A6", 0},
        {"ABC1234567DEF", "A13", 0},
        {"A1b", "B3", 0},
        {"a1ABCDEFGH", "B1 A9", 0},
        {"a1A12", "B5", 0},
        {"abcdefgh12345678ABCDEFGH", "B8 N8 A8", 1},
        {"\x82\xA0\x82\xA2\x82\xA4\x82\xA6", "K8", 0},
        {"\x82\xA0\x82\xA2" "A", "B5", 0},
        {"a\x82\xA0", "B3", 0},
        // A Kanji lead byte that ends the data is a byte of its own.
        {"\x82\xA0\x82", "B3", 0},
        {"\x82", "B1", 0},
    };
    for (const Case &c : cases) {
        // Leave a valid trail byte just past the data from an earlier call.
        std::memset(qrState.inputCopy, 0xA0, 16);
        analyse(c.data);
        EXPECT_EQ(segmentsText(), c.segments) << c.data;
        EXPECT_EQ(qrState.versionIndex, c.versionIndex) << c.data;
        EXPECT_EQ(qrState.unreadBytes, 0) << c.data;
    }
}

TEST(QrAnalysis, StopsAtTheSegmentLimit) {
    std::string data;
    for (int i = 0; i < 150; ++i) data += "1234567890abcdefghij";
    analyse(data);
    EXPECT_EQ(qrState.segmentCount, 202);
    EXPECT_EQ(qrState.unreadBytes, 979);
    EXPECT_EQ(qrState.segmentList[201].mode, Byte);
    EXPECT_EQ(qrState.segmentList[201].length, 11);
    EXPECT_EQ(qrState.versionIndex, 31);
}

TEST(QrVersion, SmallestVersionThatHoldsTheData) {
    struct Case {
        std::string data;
        QrModel model;
        int level;
        int version;  // 0: none
    };
    const Case cases[] = {
        {"12345", Model2, 0, 1},
        {"12345", Model1, 0, 1},
        {std::string(552, '7'), Model2, 0, 9},
        {std::string(553, '7'), Model2, 0, 10},
        {std::string(17, 'a'), Model2, 0, 1},
        {std::string(18, 'a'), Model2, 0, 2},
        {std::string(3000, '7'), Model2, 0, 25},
        {std::string(7089, '7'), Model2, 0, 40},
        {std::string(2900, 'a'), Model2, 0, 40},
        {std::string(2954, 'a'), Model2, 0, 0},
        {std::string(3000, 'a'), Model2, 3, 0},
        {std::string(486, 'a'), Model1, 0, 14},
        {std::string(487, 'a'), Model1, 0, 0},
    };
    // 35 segments whose count indicators widen by 182 bits from version 10
    // on: measured with version 9 widths the stream would fit version 10.
    std::string boundary;
    for (int i = 0; i < 17; ++i) boundary += "a55555555";
    analyse(boundary + "b", Model2, 2);
    EXPECT_EQ(qrState.segmentCount, 35);
    EXPECT_EQ(qrState.versionIndex + 1, 11);
    for (const Case &c : cases) {
        analyse(c.data, c.model, c.level);
        EXPECT_EQ(qrState.versionIndex + 1, c.version) << c.data.size() << " x " << c.data[0];
    }
}

// For one segment of every mode and length, the chosen version holds the
// stream written with its own count indicator widths and the version before
// it does not, also where the widths grow (versions 10 and 27). Data at
// these boundaries that takes more segments is read back in the decode test.
TEST(QrVersion, ChosenVersionHoldsTheStreamItWrites) {
    struct Case { QrModel model; int level; };
    const Case cases[] = {{Model2, 0}, {Model2, 1}, {Model2, 2}, {Model2, 3}, {Model1, 0}, {Model1, 3}};
    for (const Case &c : cases) {
        qrState.model = c.model;
        for (int mode = Numeric; mode <= Kanji; ++mode) {
            for (int length = 1; length < 7089; length += (mode == Kanji ? 2 : 1)) {
                const QrSegment s{static_cast<QrMode>(mode), static_cast<uint16_t>(length), nullptr};
                const int v = selectVersion(&s, 1, c.level);
                if (v < 0) break;
                const int bits = segmentBits(s.mode, length, countGroup(v)) + (c.model == Model1 ? 4 : 0);
                ASSERT_LE(bits, 8 * versionRow(c.model, v).dataCodewords[c.level])
                    << "mode " << mode << " length " << length;
                if (v > 0) {
                    const int smaller = segmentBits(s.mode, length, countGroup(v - 1)) + (c.model == Model1 ? 4 : 0);
                    ASSERT_GT(smaller, 8 * versionRow(c.model, v - 1).dataCodewords[c.level])
                        << "mode " << mode << " length " << length;
                }
            }
        }
    }
}

TEST(QrDataStream, CodewordsOfKnownData) {
    struct Case {
        std::string data;
        QrModel model;
        const char *codewords;  // the first codewords of the padded stream
    };
    const Case cases[] = {
        {"12345", Model2, "10 14 7B 5A 00 EC 11 EC 11 EC 11 EC 11 EC 11 EC 11 EC 11"},
        {"12345", Model1, "01 01 47 B5 A0 EC 11 EC 11 EC 11 EC 11 EC 11 EC 11 EC 11"},
        {"\x82\xA0\x82\xA2", Model2, "80 20 90 04 88 00 EC 11 EC 11 EC 11 EC 11 EC 11 EC 11 EC"},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(encodeQr(c.data, c.model == Model1 ? 1 : 2, 0).result, 0);
        EXPECT_EQ(hexBytes(qrState.dataStream, 19), c.codewords);
    }
    // 7,089 digits fill version 40-L exactly: no pad codeword.
    const std::string digits(7089, '0');
    ASSERT_EQ(encodeQr(digits, 2, 0).result, 0);
    EXPECT_EQ(qrState.versionIndex, 39);
    int pads = 0;
    for (int i = 2940; i < 2956; ++i) pads += qrState.dataStream[i] == 0xEC;
    EXPECT_EQ(pads, 0);
}

TEST(QrErrorCorrection, GeneratorsAndBlockCodewords) {
    const uint16_t degree7[] = {87, 229, 146, 149, 238, 102, 21};
    for (int j = 0; j < 7; ++j) EXPECT_EQ(kGenerators.exponents[7][j], degree7[j]);
    EXPECT_EQ(kGenerators.exponents[2][0], 25);
    EXPECT_EQ(kGenerators.exponents[2][1], 1);

    ASSERT_EQ(encodeQr("12345", 2, 0).result, 0);
    EXPECT_EQ(hexBytes(qrState.dataStream + 19, 7), "9B 8F 29 1B F3 9C 91");
    ASSERT_EQ(encodeQr("12345", 1, 0).result, 0);
    EXPECT_EQ(hexBytes(qrState.dataStream + 19, 7), "D0 C8 46 DA FF 6F BB");
}

// Every version and level: the block layout adds up and every degree used
// has a generator without zero coefficients.
TEST(QrErrorCorrection, BlockLayoutsOfEveryVersion) {
    for (QrModel model : {Model1, Model2}) {
        for (int v = 0; v < versionCount(model); ++v) {
            for (int level = 0; level < 4; ++level) {
                qrState.model = model;
                qrState.versionIndex = v;
                qrState.level = static_cast<uint8_t>(level);
                const QrBlockLayout l = blockLayout();
                ASSERT_LE(l.ecPerBlock, kMaxEcPerBlock);
                EXPECT_GE(l.leftover, 0);
                EXPECT_LE(l.leftover, model == Model1 ? 4 : 0) << "version " << v + 1;
                if (model == Model1) {
                    EXPECT_EQ(l.dataCodewords % l.blocks, 0);
                }
                for (int j = 0; j < l.ecPerBlock; ++j)
                    EXPECT_NE(kGenerators.exponents[l.ecPerBlock][j], 256);
            }
        }
    }
    struct Case { QrModel model; int version, level; const char *tail; };
    const Case leftovers[] = {{Model1, 14, 3, "EC 11 EC 11"}, {Model1, 7, 3, "EC 11"}};
    for (const Case &c : leftovers) {
        qrState.model = c.model;
        qrState.versionIndex = c.version - 1;
        qrState.level = static_cast<uint8_t>(c.level);
        const QrBlockLayout l = blockLayout();
        addErrorCorrection();
        EXPECT_EQ(hexBytes(qrState.dataStream + l.totalCodewords - l.leftover, l.leftover), c.tail);
    }
}

TEST(QrErrorCorrection, InterleavingOfVersion5Q) {
    qrState.model = Model2;
    qrState.versionIndex = 4;
    qrState.level = 2;
    const QrBlockLayout l = blockLayout();
    EXPECT_EQ(l.dataCodewords, 62);
    EXPECT_EQ(l.ecPerBlock, 18);
    EXPECT_EQ(l.shortBlocks, 2);
    for (int i = 0; i < 62; ++i) qrState.dataStream[i] = static_cast<uint8_t>(i);
    addErrorCorrection();
    interleaveCodewords();
    // Blocks start at 0, 15, 30, 46.
    EXPECT_EQ(hexBytes(qrState.interleaved, 4), hexBytes((const uint8_t *)"\x00\x0F\x1E\x2E", 4));
    EXPECT_EQ(qrState.interleaved[60], 45);
    EXPECT_EQ(qrState.interleaved[61], 61);
    EXPECT_EQ(qrState.interleaved[62], qrState.dataStream[62]);
    EXPECT_EQ(qrState.interleaved[63], qrState.dataStream[62 + 18]);
}

TEST(QrFormat, FormatWords) {
    const uint16_t model2[] = {0x77C4, 0x5412, 0x355F, 0x1689};
    const uint16_t model1[] = {0x0BF3, 0x2825, 0x4968, 0x6ABE};
    for (int level = 0; level < 4; ++level) {
        EXPECT_EQ(formatWord(Model2, level, 0), model2[level]);
        EXPECT_EQ(formatWord(Model1, level, 0), model1[level]);
    }
}

// Raster rows of 12345 at level L, module size 1.
TEST(QrRaster, RowsOfKnownSymbols) {
    struct Case { uint16_t model; int row; const char *bytes; };
    const Case cases[] = {
        {2, 0, "FE 5B F8"}, {2, 8, "EF F6 20"}, {2, 20, "FE EA A8"}, {2, -1, "FE EA A8"},
        {1, 0, "FE 9B F8"}, {1, 8, "17 EF 98"}, {1, 20, "FE 6E 88"}, {1, -1, "FE 6E 88"},
    };
    for (const Case &c : cases) {
        const test::QrRun run = encodeQr("12345", c.model, 48);
        ASSERT_EQ(run.result, 0);
        const uint8_t *row = static_cast<const uint8_t *>(run.image.pixels) + 80 * c.row;
        EXPECT_EQ(hexBytes(row, 3), c.bytes) << "model " << c.model << " row " << c.row;
    }
}

}  // namespace
}  // namespace barsize::qrcode
