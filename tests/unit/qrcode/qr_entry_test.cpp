// The entry: parameters, geometry, raster hand-over and the statuses for
// data a symbol cannot hold.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qr_test_support.h"
#include "qrcode/qr_state.h"

namespace barsize::test {
namespace {

using qrcode::qrState;

TEST(QrEntry, GeometryOfA21ModuleSymbol) {
    const QrRun run = encodeQr("12345", 50, 48, 1);
    ASSERT_EQ(run.result, 0);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.width, 21);
    EXPECT_EQ(run.height, 32);
    const SymbolImage &im = run.image;
    EXPECT_EQ(im.width, 21);
    EXPECT_EQ(im.height, 21);
    EXPECT_EQ(im.bytesPerRow, 80);
    EXPECT_EQ(im.rowCount, 21);
    EXPECT_EQ(im.scaleX, 1);
    EXPECT_EQ(im.scaleY, 1);
    EXPECT_EQ(im.extraTopRows, 7);
    EXPECT_EQ(im.extraBottomRows, 4);
    EXPECT_EQ(im.extraWidth, 0);
    EXPECT_EQ(im.reserved, 0);
    // Three bytes per row, the last with its three low bits 0.
    for (int r = 0; r < 21; ++r)
        EXPECT_EQ(static_cast<const uint8_t *>(im.pixels)[r * 80 + 2] & 0x07, 0) << r;
}

TEST(QrEntry, ParameterNormalisation) {
    struct Case {
        uint16_t model, moduleSize, level;
        qrcode::QrModel expectedModel;
        int expectedLevel;
        int16_t width, height;
    };
    const Case cases[] = {
        {49, 1, 48, qrcode::Model1, 0, 21, 32},  {1, 1, 0, qrcode::Model1, 0, 21, 32},
        {51, 1, 0, qrcode::Model2, 0, 21, 32},   {0, 1, 0, qrcode::Model2, 0, 21, 32},
        {2, 0, 0, qrcode::Model2, 0, 21, 32},    {2, 17, 0, qrcode::Model2, 0, 336, 347},
        {2, 300, 0, qrcode::Model2, 0, 336, 347}, {2, 4, 0, qrcode::Model2, 0, 84, 95},
        {2, 1, 52, qrcode::Model2, 0, 21, 32},   {2, 1, 4, qrcode::Model2, 0, 21, 32},
        {2, 1, 51, qrcode::Model2, 3, 21, 32},   {2, 1, 49, qrcode::Model2, 1, 21, 32},
        {2, 1, 2, qrcode::Model2, 2, 21, 32},
    };
    for (const Case &c : cases) {
        const QrRun run = encodeQr("12345", c.model, c.level, c.moduleSize);
        ASSERT_EQ(run.result, 0);
        EXPECT_EQ(qrState.model, c.expectedModel) << c.model;
        EXPECT_EQ(qrState.level, c.expectedLevel) << c.level;
        EXPECT_EQ(run.width, c.width) << c.moduleSize;
        EXPECT_EQ(run.height, c.height) << c.moduleSize;
    }
    // Model 51 draws exactly what model 50 draws.
    const QrRun a = encodeQr("HELLO 51", 50, 1);
    const std::string first(static_cast<const char *>(a.image.pixels), 80 * 21);
    const QrRun b = encodeQr("HELLO 51", 51, 1);
    EXPECT_EQ(std::string(static_cast<const char *>(b.image.pixels), 80 * 21), first);
}

TEST(QrEntry, LengthsAndTheLargestSymbols) {
    struct Case {
        size_t bytes;      // buffer size, all digits
        int32_t length;    // length argument
        int16_t status;
        int version;
    };
    const Case cases[] = {
        {7089, 7089, 0, 40},
        {3000, 3000, 0, 25},
        {70000, 70000, 0, 0},            // 70,000 - 65,536 = 4,464 digits
        {7090, 7090, BARSIZE_E_QR_TOO_LONG, 0},
        {65536 + 7090, 65536 + 7090, BARSIZE_E_QR_TOO_LONG, 0},
        {1, 0, BARSIZE_E_QR_NO_DATA, 0},
        {65536, 65536, BARSIZE_E_QR_NO_DATA, 0},
    };
    for (const Case &c : cases) {
        const std::string data(c.bytes, '8');
        const QrParams params = {2, 1, 0};
        int16_t w = 111, h = 222, status = 333;
        SymbolImage image{};
        image.width = 999;
        const int32_t result =
            getBarCodeWidth2D(data.data(), c.length, 49, 0, &params, &w, &h, &status, &image);
        EXPECT_EQ(status, c.status) << c.length;
        if (c.status != 0) {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(w, 111);
            EXPECT_EQ(h, 222);
            EXPECT_EQ(image.width, 999);
            continue;
        }
        EXPECT_EQ(result, 0);
        if (c.version != 0) {
            EXPECT_EQ(qrState.versionIndex + 1, c.version) << c.length;
            EXPECT_EQ(w, 4 * c.version + 17);
            EXPECT_EQ(h, 4 * c.version + 17 + 11);
        }
    }
    EXPECT_EQ(getQRCodeWidth(std::string(70000, '8').data(), 70000, 2, 1, 0),
              (encodeQr(std::string(4464, '8'), 2, 0).width));
}

// Data the symbol cannot hold fails with a status of its own; nothing is
// reported as success for a symbol that lacks part of the data.
TEST(QrEntry, DataNoSymbolCanHold) {
    std::string mixed;
    for (int i = 0; i < 150; ++i) mixed += "1234567890abcdefghij";
    struct Case {
        std::string data;
        uint16_t model, level;
        int16_t status;
    };
    const Case cases[] = {
        {std::string(3000, 'a'), 2, 3, BARSIZE_E_QR_TOO_BIG},
        {std::string(2954, 'a'), 2, 0, BARSIZE_E_QR_TOO_BIG},
        {std::string(2953, 'a'), 2, 0, 0},
        {std::string(487, 'a'), 1, 0, BARSIZE_E_QR_TOO_BIG},
        {std::string(486, 'a'), 1, 0, 0},
        {mixed, 2, 0, BARSIZE_E_QR_TOO_MANY_SEGMENTS},
        {mixed.substr(0, 2020), 2, 0, 0},
    };
    for (const Case &c : cases) {
        const QrRun run = encodeQr(c.data, c.model, c.level);
        EXPECT_EQ(run.status, c.status) << c.data.size();
        EXPECT_EQ(run.result, c.status == 0 ? 0 : -1) << c.data.size();
    }
    // A failure in between leaves no stale width for the next symbol.
    EXPECT_EQ(getQRCodeWidth(std::string(3000, 'a').data(), 3000, 2, 1, 3), -1);
    EXPECT_EQ(getQRCodeWidth("1", 1, 2, 1, 0), 21);
}

// Arbitrary bytes of any length: a success covers every byte with its
// segments and fits its version; anything else is one of the named statuses.
TEST(QrEntry, ArbitraryDataIsEncodedWholeOrRefused) {
    uint32_t seed = 99;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    for (int i = 0; i < 400; ++i) {
        std::string data(1 + next(i % 4 == 0 ? 7200 : 400), '\0');
        // The first 2 to 5 of these symbols, or any byte: narrow alphabets make long runs.
        static const char kSymbols[] = "0A\x82\xA0" "a";
        const uint32_t alphabet = 2 + next(5);
        for (char &c : data) c = static_cast<char>(alphabet == 6 ? next(256) : kSymbols[next(alphabet)]);
        const uint16_t model = static_cast<uint16_t>(1 + next(2)), level = static_cast<uint16_t>(next(4));
        const QrRun run = encodeQr(data, model, level);
        if (run.result != 0) {
            EXPECT_TRUE(run.status == BARSIZE_E_QR_TOO_LONG || run.status == BARSIZE_E_QR_TOO_BIG ||
                        run.status == BARSIZE_E_QR_TOO_MANY_SEGMENTS)
                << run.status;
            continue;
        }
        int covered = 0;
        for (int k = 0; k < qrState.segmentCount; ++k) {
            EXPECT_EQ(qrState.segmentList[k].text, qrState.inputCopy + covered);
            covered += qrState.segmentList[k].length;
        }
        EXPECT_EQ(covered, static_cast<int>(data.size()));
        EXPECT_EQ(run.image.width, 4 * (qrState.versionIndex + 1) + 17);
    }
}

TEST(QrEntry, RasterHandOverCopiesEveryRow) {
    void *handle = nullptr;
    SymbolImage image{};
    image.pixels = &handle;
    const QrParams params = {50, 4, 48};
    int16_t w, h, status;
    ASSERT_EQ(get2DBarCodeWidth("12345", 5, 49, 0, &params, &w, &h, &status, &image), 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(barsizeBlockSize(handle), 1680u);
    EXPECT_EQ(std::memcmp(barsizeBlockBytes(handle), image.pixels, 1680), 0);
    barsizeBlockFree(handle);
}

}  // namespace
}  // namespace barsize::test
