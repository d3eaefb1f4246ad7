// The 2D exports' dispatch, pointer checks and shortcuts, and the caller-owned
// raster block.
#include <gtest/gtest.h>

#include <cstring>

#include "barsize.h"
#include "interface/caller_block.h"

namespace {

struct Outputs {
    int16_t width = 111, height = 222, status = 333;
    SymbolImage image = {};
};

TEST(Exports2D, UnknownSymbologyOrSubtypeFailsWithMinusOne) {
    const QrParams qr = {50, 4, 48};
    struct Case {
        int32_t symbology, subtype;
    };
    const Case cases[] = {{50, 0}, {0, 0}, {47, 0}, {51, 74}, {51, 75}, {51, 0}, {51, 74 + 65536}};
    for (const Case &c : cases) {
        Outputs o;
        EXPECT_EQ(getBarCodeWidth2D("123", 3, c.symbology, c.subtype, &qr, &o.width, &o.height,
                                    &o.status, &o.image),
                  -1)
            << c.symbology << "/" << c.subtype;
        EXPECT_EQ(o.status, -1);
        EXPECT_EQ(o.width, 111);  // untouched on failure
        EXPECT_EQ(o.height, 222);
    }
}

TEST(Exports2D, OnlyTheLowSixteenBitsOfTheSymbologyCount) {
    const Pdf417Params pdf = {0, 0, 2, 3, 0, 1, 0};
    const QrParams qr = {50, 4, 48};
    const struct {
        int32_t symbology;
        const void *params;
    } cases[] = {{48, &pdf}, {49, &qr}};
    for (const auto &c : cases) {
        Outputs a, b;
        const int32_t plain =
            getBarCodeWidth2D("ABC", 3, c.symbology, 0, c.params, &a.width, &a.height, &a.status, &a.image);
        const int32_t high = getBarCodeWidth2D("ABC", 3, c.symbology + 65536, 0, c.params, &b.width,
                                               &b.height, &b.status, &b.image);
        EXPECT_EQ(plain, high);
        EXPECT_EQ(a.status, b.status);
        EXPECT_EQ(a.width, b.width);
        EXPECT_EQ(a.height, b.height);
    }
}

TEST(Exports2D, NullPointersAreRefused) {
    const QrParams qr = {50, 4, 48};
    Outputs o;
    EXPECT_EQ(getBarCodeWidth2D("1", 1, 49, 0, &qr, &o.width, &o.height, nullptr, &o.image),
              BARSIZE_E_NULL_POINTER);
    const struct {
        const char *data;
        const void *params;
        int16_t *width;
        int16_t *height;
        SymbolImage *image;
    } cases[] = {
        {nullptr, &qr, &o.width, &o.height, &o.image},
        {"1", nullptr, &o.width, &o.height, &o.image},
        {"1", &qr, nullptr, &o.height, &o.image},
        {"1", &qr, &o.width, nullptr, &o.image},
        {"1", &qr, &o.width, &o.height, nullptr},
    };
    for (const auto &c : cases) {
        o.status = 0;
        EXPECT_EQ(getBarCodeWidth2D(c.data, 1, 49, 0, c.params, c.width, c.height, &o.status, c.image),
                  BARSIZE_E_NULL_POINTER);
        EXPECT_EQ(o.status, BARSIZE_E_NULL_POINTER);
        o.status = 0;
        EXPECT_EQ(get2DBarCodeWidth(c.data, 1, 49, 0, c.params, c.width, c.height, &o.status, c.image),
                  BARSIZE_E_NULL_POINTER);
        EXPECT_EQ(o.status, BARSIZE_E_NULL_POINTER);
    }
    EXPECT_EQ(getQRCodeWidth(nullptr, 5, 50, 4, 48), BARSIZE_E_NULL_POINTER);
    EXPECT_EQ(getPDF417Width(nullptr, 5, 0, 0, 2, 3, 0, 1, 0), BARSIZE_E_NULL_POINTER);
    EXPECT_EQ(getGS1Height(nullptr, 5, 72, 3, 0), BARSIZE_E_NULL_POINTER);
}

TEST(Exports2D, Gs1ShortcutsRefuseOtherSubtypes) {
    for (int32_t subtype : {0, 71, 74, 75, 77, 72 + 65535}) {
        EXPECT_EQ(getGS1Width("0001234567890", 13, subtype, 3, 0), -1) << subtype;
        EXPECT_EQ(getGS1Height("0001234567890", 13, subtype, 3, 0), -1) << subtype;
    }
}

TEST(Exports2D, FailedEncodingLeavesTheCallersHandleAlone) {
    const QrParams qr = {50, 4, 48};
    void *handle = reinterpret_cast<void *>(0x1234);
    Outputs o;
    o.image.pixels = &handle;
    // An unknown symbology fails before any encoder runs.
    EXPECT_EQ(get2DBarCodeWidth("1", 1, 50, 0, &qr, &o.width, &o.height, &o.status, &o.image), -1);
    EXPECT_EQ(handle, reinterpret_cast<void *>(0x1234));
}

TEST(CallerBlock, HoldsACopyOfTheRaster) {
    const uint8_t raster[5] = {1, 2, 3, 4, 5};
    void *handle = nullptr;
    ASSERT_EQ(barsize::api::handOverRaster(&handle, raster, sizeof raster), 0);
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(barsizeBlockSize(handle), sizeof raster);
    EXPECT_EQ(std::memcmp(barsizeBlockBytes(handle), raster, sizeof raster), 0);
    barsizeBlockFree(handle);
}

TEST(CallerBlock, AllocationFailureStoresNullAndReturnsAPositiveCode) {
    const uint8_t raster[4] = {9, 9, 9, 9};
    void *handle = reinterpret_cast<void *>(0x1234);
    barsize::api::failNextBlockAllocation(12);
    EXPECT_EQ(barsize::api::handOverRaster(&handle, raster, sizeof raster), 12);
    EXPECT_EQ(handle, nullptr);
    // Only the next allocation fails.
    ASSERT_EQ(barsize::api::handOverRaster(&handle, raster, sizeof raster), 0);
    barsizeBlockFree(handle);
    EXPECT_EQ(barsizeBlockBytes(nullptr), nullptr);
    EXPECT_EQ(barsizeBlockSize(nullptr), 0u);
}

}  // namespace

namespace {

TEST(RasterHandOver, WithoutASlotNothingIsAllocatedAndThePointerIsTheLibrarys) {
    const QrParams qr = {50, 4, 48};
    Outputs direct, handed;
    ASSERT_EQ(getBarCodeWidth2D("12345", 5, 49, 0, &qr, &direct.width, &direct.height,
                                &direct.status, &direct.image),
              0);
    ASSERT_EQ(get2DBarCodeWidth("12345", 5, 49, 0, &qr, &handed.width, &handed.height,
                                &handed.status, &handed.image),
              0);
    EXPECT_EQ(handed.image.pixels, direct.image.pixels);
    EXPECT_EQ(handed.width, 84);
    EXPECT_EQ(handed.height, 95);
    EXPECT_EQ(handed.image.reserved, 0);
}

TEST(RasterHandOver, AllocationFailureReturnsTheSystemCodeAndANullHandle) {
    const QrParams qr = {50, 4, 48};
    Outputs o;
    void *handle = reinterpret_cast<void *>(0x1234);
    o.image.pixels = &handle;
    barsize::api::failNextBlockAllocation(12);
    EXPECT_EQ(get2DBarCodeWidth("12345", 5, 49, 0, &qr, &o.width, &o.height, &o.status, &o.image),
              12);
    EXPECT_EQ(handle, nullptr);
    // The record keeps what the encoder wrote.
    EXPECT_EQ(o.image.width, 21);
    EXPECT_EQ(o.image.rowCount, 21);
    EXPECT_EQ(o.image.bytesPerRow, 80);
}

}  // namespace
