// Every gallery picture (QR Code Model 1 aside: the decoder does not take it
// from a picture of this size reliably) decodes to its data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/cli_runner.h"
#include "support/decoder.h"

namespace barsize::test {
namespace {

TEST(Gallery, EveryPictureDecodesToItsData) {
    const std::string dir = std::string(::testing::TempDir()) + "barsize-gallery";
    const std::string command = std::string(BARSIZE_CLI) + " gallery " + dir + " --pbm > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream html(dir + "/index.html");
    std::stringstream page;
    page << html.rdbuf();

    struct Expected {
        const char *file;
        const char *format;
        const char *bytes;  // what a scanner reports, check digits included
    };
    const Expected cases[] = {
        {"upc-a", "UPCA", "0012345678905"},  // UPC read back in EAN-13 form
        {"upc-e", "UPCE", "0012345000058"},
        {"ean-13", "EAN13", "5901234123457"},
        {"ean-8", "EAN8", "96385074"},
        {"code-39", "Code39", "BARSIZE-39"},
        {"itf", "ITF", "12345678"},
        {"codabar", "Codabar", "A40156B"},
        {"code-93", "Code93", "Barsize 93"},
        {"code-128", "Code128", "Barsize 128"},
        {"databar-omni", "DataBar", "0109501101530003"},
        {"databar-truncated", "DataBar", "0109501101530003"},
        {"databar-limited", "DataBarLtd", "0109501101530003"},
        {"databar-expanded", "DataBarExp", "0109501101530003" "3103001750"},
        {"pdf417", "PDF417", "Receipt 12345: 2 coffees, 1 bagel. Total 9.40"},
        {"pdf417-truncated", "CompactPDF417", "Receipt 12345: 2 coffees, 1 bagel. Total 9.40"},
        {"qr-model-2", "QRCode", "https://example.com/receipt/12345"},
        {"databar-stacked", "DataBarStk", "0109501101530003"},
        {"databar-stacked-omni", "DataBarStkOmni", "0109501101530003"},
        {"databar-expanded-stacked", "DataBarExpStk",
         "0109501101530003" "15251231" "10ABC123"},
    };
    std::vector<TestRaster> rasters;
    for (const Expected &e : cases) {
        rasters.push_back(readPbm(dir + "/" + e.file + ".pbm", e.format, 2, 20));
        EXPECT_NE(page.str().find(std::string("src=\"") + e.file + ".png\""), std::string::npos)
            << e.file << " is missing from index.html";
    }
    const std::vector<DecodeResult> results = decodeRasters(rasters);
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].found) << cases[i].file << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, cases[i].bytes) << cases[i].file;
    }
    std::system(("rm -rf " + dir).c_str());
}

}  // namespace
}  // namespace barsize::test
