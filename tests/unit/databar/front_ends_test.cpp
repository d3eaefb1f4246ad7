// The front ends through the exports: statuses, parameter rules, results.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "barsize.h"
#include "databar/passes.h"

namespace barsize::databar {
namespace {

int32_t linear(const std::string &data, int32_t code, int32_t module = 3,
               int32_t length = -1) {
    return getBarCodeWidth(data.data(), length < 0 ? static_cast<int32_t>(data.size()) : length,
                           code, module, 0, 0, 0);
}

TEST(DataBarLinearFrontEnd, Statuses) {
    struct Case { std::string data; int32_t code, length, expected; };
    const Case cases[] = {
        {"095011015300", BARSIZE_DATABAR_OMNI, -1, BARSIZE_E_DATABAR_LENGTH},
        {"09501101530003", BARSIZE_DATABAR_TRUNCATED, -1, BARSIZE_E_DATABAR_LENGTH},
        {"09501101530A0", BARSIZE_DATABAR_OMNI, -1, BARSIZE_E_DATABAR_DIGITS},
        {"0950110153000", BARSIZE_DATABAR_LIMITED, 12, BARSIZE_E_DATABAR_LENGTH},
        {"095011015300A", BARSIZE_DATABAR_LIMITED, -1, BARSIZE_E_DATABAR_DIGITS},
        {"", BARSIZE_DATABAR_EXPANDED, -1, BARSIZE_E_DATABAR_FAILED},
        {"(01)0950110153000*", BARSIZE_DATABAR_EXPANDED, 0x10000, BARSIZE_E_DATABAR_FAILED},
        {"(01)#", BARSIZE_DATABAR_EXPANDED, -1, BARSIZE_E_DATABAR_ELEMENT_STRING},
        {"{x", BARSIZE_DATABAR_EXPANDED, -1, BARSIZE_E_DATABAR_ELEMENT_STRING},
        // Omni and truncated: the length's low 16 bits count.
        {"0950110153000", BARSIZE_DATABAR_OMNI, 0x1000D, 288},
        {"0950110153000", BARSIZE_DATABAR_TRUNCATED, -1, 288},
    };
    for (const Case &c : cases)
        EXPECT_EQ(linear(c.data, c.code, 3, c.length), c.expected) << c.data << " " << c.code;
}

// Expanded data longer than 255 bytes would be cut: it is refused instead,
// judged on the full length.
TEST(DataBarLinearFrontEnd, RefusesExpandedDataItCannotHold) {
    const std::string data(300, '1');
    EXPECT_EQ(linear(data, BARSIZE_DATABAR_EXPANDED, 3, 256), BARSIZE_E_DATABAR_TOO_LONG);
    EXPECT_EQ(linear(data, BARSIZE_DATABAR_EXPANDED, 3, 0x10001), BARSIZE_E_DATABAR_TOO_LONG);
    EXPECT_NE(linear(data, BARSIZE_DATABAR_EXPANDED, 3, 255), BARSIZE_E_DATABAR_TOO_LONG);
}

TEST(DataBarLinearFrontEnd, ModuleWidthAndRowHeight) {
    struct Case { int32_t module, width, height; };
    const Case cases[] = {{1, 96, 162}, {3, 288, 162}, {4, 384, 164}, {8, 768, 264},  // 21 modules, raised to 33
                          {9, 288, 162}, {0, 288, 162}, {-1, 288, 162}, {65537, 96, 162}};
    for (const Case &c : cases) {
        EXPECT_EQ(linear("0950110153000", BARSIZE_DATABAR_OMNI, c.module), c.width) << c.module;
        EXPECT_EQ(lastDataBarRequest().symbolHeight, c.height) << c.module;
    }
    // Printing details of linear codes do not change DataBar widths.
    for (int32_t hri : {0, 1, 2, 3, 99})
        for (int32_t measure : {0, 1, 2, -5})
            EXPECT_EQ(getBarCodeWidth("0950110153000", 13, BARSIZE_DATABAR_TRUNCATED, 2, hri, hri,
                                      measure),
                      192);
}

struct Stacked {
    int32_t result;
    int16_t width, height, status;
    SymbolImage image;
};

Stacked stacked(const std::string &data, int32_t subtype, uint16_t module = 3,
                uint16_t rowWidthLimit = 0, int32_t length = -1) {
    Stacked s = {};
    s.width = s.height = 77;
    s.image.width = 77;
    const StackedParams params = {module, rowWidthLimit};
    s.result = getBarCodeWidth2D(data.data(),
                                 length < 0 ? static_cast<int32_t>(data.size()) : length, 51,
                                 subtype, &params, &s.width, &s.height, &s.status, &s.image);
    return s;
}

TEST(DataBarStackedFrontEnd, RefusalsLeaveTheResultsAlone) {
    struct Case { std::string data; int32_t subtype, length, result, status; };
    const Case cases[] = {
        {"095011015300", BARSIZE_SUB_STACKED, -1, -1, BARSIZE_E_STACKED_DATA},
        {"0950110153000", BARSIZE_SUB_STACKED_OMNI, 0x10000, -1, BARSIZE_E_STACKED_DATA},
        {"09501101530A0", BARSIZE_SUB_STACKED_OMNI, -1, -1, BARSIZE_E_STACKED_DATA},
        {"(01)#", BARSIZE_SUB_EXPANDED_STACKED, -1, -1, BARSIZE_E_STACKED_DATA},
        {"0950110153000", 74, -1, -1, BARSIZE_E_2D_UNSUPPORTED},
    };
    for (const Case &c : cases) {
        const Stacked s = stacked(c.data, c.subtype, 3, 0, c.length);
        EXPECT_EQ(s.result, c.result) << c.data;
        EXPECT_EQ(s.status, c.status) << c.data;
        EXPECT_EQ(s.width, 77);
        EXPECT_EQ(s.height, 77);
        EXPECT_EQ(s.image.width, 77);
        EXPECT_EQ(s.image.pixels, nullptr);
    }
}

TEST(DataBarStackedFrontEnd, ResultRecord) {
    struct Case { int32_t subtype; uint16_t module; int width, lines; };
    const Case cases[] = {{BARSIZE_SUB_STACKED, 3, 150, 99},   {BARSIZE_SUB_STACKED, 1, 50, 33},
                          {BARSIZE_SUB_STACKED_OMNI, 3, 150, 207},
                          {BARSIZE_SUB_STACKED_OMNI, 8, 400, 552},
                          {BARSIZE_SUB_STACKED_OMNI, 9, 150, 207}};
    for (const Case &c : cases) {
        const Stacked s = stacked("0950110153000", c.subtype, c.module);
        ASSERT_EQ(s.result, 0);
        EXPECT_EQ(s.status, 0);
        EXPECT_EQ(s.width, c.width);
        EXPECT_EQ(s.height, c.lines + 16);
        EXPECT_EQ(s.image.width, c.width);
        EXPECT_EQ(s.image.height, c.lines);
        EXPECT_EQ(s.image.rowCount, c.lines);
        EXPECT_EQ(s.image.bytesPerRow, (c.width + 7) / 8);
        EXPECT_EQ(s.image.scaleX, 1);
        EXPECT_EQ(s.image.scaleY, 1);
        EXPECT_EQ(s.image.extraTopRows, 8);
        EXPECT_EQ(s.image.extraBottomRows, 8);
        EXPECT_EQ(s.image.extraWidth, 0);
        EXPECT_EQ(s.image.reserved, 0);
        EXPECT_EQ(s.image.pixels, dataBarRaster());
        EXPECT_EQ(getGS1Width("0950110153000", 13, c.subtype, c.module, 0), c.width);
        EXPECT_EQ(getGS1Height("0950110153000", 13, c.subtype, c.module, 0), c.lines + 16);
    }
}

TEST(DataBarStackedFrontEnd, OnlyTheFirstThirteenDigitsCount) {
    const Stacked thirteen = stacked("0950110153000", BARSIZE_SUB_STACKED);
    const std::vector<uint8_t> first(dataBarRaster(), dataBarRaster() + 13 * 99);
    const Stacked twenty = stacked("0950110153000ABC4567", BARSIZE_SUB_STACKED);
    ASSERT_EQ(twenty.result, 0);
    EXPECT_EQ(std::vector<uint8_t>(dataBarRaster(), dataBarRaster() + 13 * 99), first);
    EXPECT_EQ(twenty.width, thirteen.width);
}

TEST(DataBarStackedFrontEnd, RowWidthLimit) {
    struct Case { uint16_t limit; int32_t printable; };
    const Case cases[] = {{0, 141}, {1000, 640}, {300, 300}, {640, 640}, {0xFFFF, 640}};
    for (const Case &c : cases) {
        stacked("0950110153000", BARSIZE_SUB_STACKED, 3, c.limit);
        EXPECT_EQ(lastDataBarRequest().printableWidth, c.printable) << c.limit;
    }
}

TEST(DataBarStackedFrontEnd, HandsOverACopyOfTheRaster) {
    void *block = nullptr;
    const StackedParams params = {2, 0};
    int16_t w = 0, h = 0, status = 0;
    SymbolImage image = {};
    image.pixels = &block;
    ASSERT_EQ(get2DBarCodeWidth("4006381333931", 13, 51, BARSIZE_SUB_STACKED_OMNI, &params, &w,
                                &h, &status, &image),
              0);
    ASSERT_NE(block, nullptr);
    const size_t size = static_cast<size_t>(image.bytesPerRow) * image.rowCount;
    EXPECT_EQ(barsizeBlockSize(block), size);
    EXPECT_EQ(std::memcmp(barsizeBlockBytes(block), image.pixels, size), 0);
    barsizeBlockFree(block);
}

}  // namespace
}  // namespace barsize::databar

namespace barsize::databar {
namespace {

DataBarJob omniJob(int32_t moduleWidth) {
    static DataBarJob job;
    job = DataBarJob{};
    job.symbolType = kTypeOmni;
    job.moduleWidth = job.separatorHeight = moduleWidth;
    job.rowHeight = job.secondRowHeight = 33;
    job.printableWidth = 640;
    job.dataCapacity = 255;
    EXPECT_TRUE(storeData(job, "0950110153000", 13));
    return job;
}

TEST(DataBarDriver, RefusesARasterItCannotHoldAndDrawsNothing) {
    ASSERT_EQ(linear("0950110153000", BARSIZE_DATABAR_OMNI, 1), 96);
    const std::vector<uint8_t> before(dataBarRaster(), dataBarRaster() + 1000);
    EXPECT_EQ(runDataBarPasses(omniJob(40)), kPassesRasterSize);  // 480 + 8 bytes x 1320 lines
    EXPECT_EQ(std::vector<uint8_t>(dataBarRaster(), dataBarRaster() + 1000), before);
    EXPECT_EQ(runDataBarPasses(omniJob(0)), kPassesRasterSize);   // an empty symbol
    EXPECT_EQ(runDataBarPasses(omniJob(10)), 0);
}

TEST(DataBarDriver, StoreDataKeepsOnlyWhatFits) {
    DataBarJob job = {};
    job.dataCapacity = 5;
    EXPECT_TRUE(storeData(job, "12345", 5));
    EXPECT_EQ(std::string(job.dataStore), "12345");
    EXPECT_FALSE(storeData(job, "123456", 6));
    EXPECT_EQ(job.dataLength, 0);
    EXPECT_EQ(job.dataStore[0], 0);
    EXPECT_TRUE(storeData(job, "12", 2));
    EXPECT_FALSE(storeData(job, "", 0));
    EXPECT_EQ(job.dataLength, 0);
}

}  // namespace
}  // namespace barsize::databar
