// Function patterns of both models and Model 1's block placement, checked
// structurally (no open-source encoder writes Model 1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "barsize.h"
#include "qrcode/matrix.h"
#include "qrcode/qr_state.h"

namespace barsize::qrcode {
namespace {

void drawPatterns(QrModel model, int version) {
    qrState.model = model;
    qrState.versionIndex = version - 1;
    qrState.moduleCount = 4 * version + 17;
    drawFunctionPatterns();
}

bool dark(int r, int c) { return planeBit(qrState.darkPlane, r, c); }
bool data(int r, int c) { return planeBit(qrState.dataAreaPlane, r, c); }

// The 5 x 5 modules around (r, c) form an alignment pattern outside the data area.
bool isAlignmentPattern(int r, int c) {
    for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc) {
            const int ring = std::max(std::abs(dr), std::abs(dc));
            if (data(r + dr, c + dc) || dark(r + dr, c + dc) != (ring != 1)) return false;
        }
    return true;
}

TEST(QrMatrix, Model2AlignmentAndVersionInformation) {
    drawPatterns(Model2, 1);
    int dataModules = 0;
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c) dataModules += data(r, c);
    EXPECT_EQ(dataModules, 26 * 8);  // no alignment pattern, no remainder bits

    drawPatterns(Model2, 2);
    EXPECT_TRUE(isAlignmentPattern(18, 18));

    drawPatterns(Model2, 7);
    for (int r : {6, 22, 38})
        for (int c : {6, 22, 38}) {
            const bool corner = (r == 6 && c == 6) || (r == 6 && c == 38) || (r == 38 && c == 6);
            EXPECT_EQ(isAlignmentPattern(r, c), !corner) << r << "," << c;
        }
    uint32_t below = 0, right = 0;
    for (int i = 17; i >= 0; --i) {
        below = (below << 1) | dark(i / 3, 45 - 11 + i % 3);
        right = (right << 1) | dark(45 - 11 + i % 3, i / 3);
    }
    EXPECT_EQ(below, 0x07C94u);
    EXPECT_EQ(right, 0x07C94u);

    drawPatterns(Model2, 10);
    EXPECT_TRUE(isAlignmentPattern(6, 28));
    EXPECT_TRUE(isAlignmentPattern(28, 6));
}

TEST(QrMatrix, Model1CornerBlockAndExtensionPatterns) {
    struct Case { int version; std::vector<int> extensionEnds; };  // p: rows/columns p-3..p
    const Case cases[] = {{1, {}}, {2, {16}}, {14, {64, 56, 48, 40, 32, 24, 16}}, {7, {36, 28, 20}}};
    for (const Case &c : cases) {
        const int n = 4 * c.version + 17;
        drawPatterns(Model1, c.version);
        listModel1Blocks(n);
        // Modules the extension patterns cover, as the drawn result shows them:
        // the placement draws their dark modules.
        std::fill(&qrState.darkPlane[0][0], &qrState.darkPlane[0][0] + sizeof qrState.darkPlane, 0);
        for (int i = 0; i < qrState.model1BlockCount; ++i) {
            const QrBlock &b = qrState.model1Blocks[i];
            if (b.codeword >= 0) continue;
            for (int k = 0; k < 8; ++k) {
                const int r = b.columnBlock ? b.row - k / 2 : b.row - k / 4;
                const int col = b.columnBlock ? b.column - k % 2 : b.column - k % 4;
                if ((b.extensionValue >> (7 - k)) & 1) setPlaneBit(qrState.darkPlane, r, col);
            }
        }
        for (int i = 0; i < n; ++i) {
            bool inExtension = false;
            for (int p : c.extensionEnds) inExtension |= i >= p - 3 && i <= p;
            for (int edge = n - 2; edge < n; ++edge) {
                if (i >= n - 2) continue;  // the corner block
                EXPECT_EQ(data(i, edge), !inExtension && i > 8) << "v" << c.version << " row " << i;
                EXPECT_EQ(data(edge, i), !inExtension && i > 8) << "v" << c.version << " col " << i;
                const bool darkEdge = inExtension && edge == n - 1;
                EXPECT_EQ(dark(i, edge), darkEdge) << "v" << c.version << " row " << i;
                EXPECT_EQ(dark(edge, i), darkEdge) << "v" << c.version << " col " << i;
            }
        }
        for (int r = n - 2; r < n; ++r)
            for (int col = n - 2; col < n; ++col) EXPECT_FALSE(data(r, col));
    }
}

// In the finished Model 1 symbol the corner block and the extension
// patterns are as drawn: the mask leaves them alone.
TEST(QrMatrix, Model1PatternsInTheFinishedSymbol) {
    const std::string data(480, 'x');  // version 14 at level L
    QrParams params = {1, 1, 0};
    int16_t w, h, status;
    SymbolImage image{};
    ASSERT_EQ(getBarCodeWidth2D(data.data(), 480, 49, 0, &params, &w, &h, &status, &image), 0);
    ASSERT_EQ(image.width, 73);
    const auto module = [&image](int r, int c) {
        return (static_cast<const uint8_t *>(image.pixels)[r * image.bytesPerRow + c / 8] >> (7 - c % 8)) & 1;
    };
    for (int p = 64; p > 12; p -= 8)
        for (int i = p - 3; i <= p; ++i) {
            EXPECT_EQ(module(i, 72), 1);
            EXPECT_EQ(module(i, 71), 0);
            EXPECT_EQ(module(72, i), 1);
            EXPECT_EQ(module(71, i), 0);
        }
    EXPECT_EQ(module(72, 72), 1);
    EXPECT_EQ(module(71, 71) + module(71, 72) + module(72, 71), 0);
}

// Every data module of every Model 1 version lies in exactly one block; the
// blocks take exactly the symbol's codewords, in order; extension blocks lie
// on the extension patterns; the first codeword's upper half is the corner block.
TEST(QrMatrix, Model1BlocksCoverTheDataAreaOnce) {
    for (int version = 1; version <= 14; ++version) {
        const int n = 4 * version + 17;
        drawPatterns(Model1, version);
        listModel1Blocks(n);
        static uint8_t covered[177][177];
        std::fill(&covered[0][0], &covered[0][0] + sizeof covered, 0);
        int codewords = 0;
        for (int i = 0; i < qrState.model1BlockCount; ++i) {
            const QrBlock &b = qrState.model1Blocks[i];
            if (b.codeword >= 0) {
                EXPECT_EQ(b.codeword, codewords++);
            }
            for (int k = 0; k < 8; ++k) {
                const int r = b.columnBlock ? b.row - k / 2 : b.row - k / 4;
                const int c = b.columnBlock ? b.column - k % 2 : b.column - k % 4;
                ASSERT_TRUE(r >= 0 && r < n && c >= 0 && c < n);
                ++covered[r][c];
                const bool upperHalfOfFirst = b.codeword == 0 && k < 4;
                const bool functionModule = b.codeword < 0 || upperHalfOfFirst;
                EXPECT_NE(data(r, c), functionModule) << "v" << version << " (" << r << "," << c << ")";
                if (upperHalfOfFirst) {
                    EXPECT_GE(r, n - 2);
                    EXPECT_GE(c, n - 2);
                }
            }
        }
        EXPECT_EQ(codewords, versionRow(Model1, version - 1).totalCodewords) << "v" << version;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                EXPECT_EQ(covered[r][c], data(r, c) ? 1 : covered[r][c])
                    << "v" << version << " (" << r << "," << c << ")";
    }
}

}  // namespace
}  // namespace barsize::qrcode
