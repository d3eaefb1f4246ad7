// Model 2 matrices module for module against an independent encoder (zint),
// pinned to our version and level and to mask pattern 000, for data of one
// mode each.
#include <gtest/gtest.h>

#include "support/zint_oracle.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "qr_test_support.h"
#include "qrcode/qr_state.h"

namespace barsize::test {
namespace {

using qrcode::qrState;

bool haveZint() { return barsize::test::zintAvailable(); }

// zint's matrix, one string of '0'/'1' per row; empty on failure.
std::vector<std::string> zintMatrix(const std::string &utf8, int version, int level) {
    return barsize::test::zintRows("--barcode=58 --vers=" + std::to_string(version) +
                                       " --secure=" + std::to_string(level + 1) + " --mask=0",
                                   utf8);
}

// Shift JIS hiragana 0x829F + i, and the same characters in UTF-8 (U+3041 + i).
void hiragana(int count, std::string &shiftJis, std::string &utf8) {
    for (int i = 0; i < count; ++i) {
        const int k = i % 83;
        shiftJis += static_cast<char>(0x82);
        shiftJis += static_cast<char>(0x9F + k);
        const int code = 0x3041 + k;
        utf8 += static_cast<char>(0xE0 | (code >> 12));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string repeated(const std::string &unit, size_t length) {
    std::string out;
    while (out.size() < length) out += unit;
    return out.substr(0, length);
}

TEST(QrZint, Model2MatricesMatchModuleForModule) {
    if (!haveZint()) GTEST_SKIP() << "zint is not installed";
    struct Case {
        std::string data;  // what we encode
        std::string utf8;  // the same text for zint
        int level;
    };
    std::vector<Case> cases;
    struct Sized { size_t length; int level; };
    for (const Sized &s : {Sized{5, 0}, Sized{41, 1}, Sized{552, 0}, Sized{553, 0}, Sized{1000, 2},
                           Sized{3000, 0}, Sized{3057, 3}, Sized{7089, 0}}) {
        const std::string d = repeated("31415926535897932384", s.length);
        cases.push_back({d, d, s.level});
    }
    for (const Sized &s : {Sized{1, 1}, Sized{20, 2}, Sized{77, 3}, Sized{300, 0}, Sized{1500, 1},
                           Sized{4296, 0}}) {
        const std::string d = repeated("THE QUICK BROWN FOX $%*+-./:0123456789", s.length);
        cases.push_back({d, d, s.level});
    }
    // Byte data at every version: as many bytes as each holds.
    for (int v = 1; v <= 40; ++v) {
        const int level = v % 4;
        const qrcode::QrVersionRow &row = qrcode::versionRow(qrcode::Model2, v - 1);
        const int bytes = (8 * row.dataCodewords[level] - 4 - (v < 10 ? 8 : 16)) / 8;
        const std::string d = repeated("the quick brown fox jumps over a lazy dog, ", static_cast<size_t>(bytes));
        cases.push_back({d, d, level});
    }
    for (const Sized &s : {Sized{1, 0}, Sized{7, 3}, Sized{50, 2}, Sized{400, 1}, Sized{1817, 0}}) {
        std::string sjis, utf8;
        hiragana(static_cast<int>(s.length), sjis, utf8);
        cases.push_back({sjis, utf8, s.level});
    }

    for (const Case &c : cases) {
        const QrRun run = encodeQr(c.data, 2, static_cast<uint16_t>(c.level));
        ASSERT_EQ(run.result, 0) << c.data.size();
        ASSERT_EQ(qrState.segmentCount, 1) << c.data.size();
        const int version = qrState.versionIndex + 1;
        const int n = run.image.width;
        const std::vector<std::string> theirs = zintMatrix(c.utf8, version, c.level);
        ASSERT_EQ(static_cast<int>(theirs.size()), n) << "version " << version;
        int differences = 0;
        for (int r = 0; r < n; ++r) {
            const uint8_t *row = static_cast<const uint8_t *>(run.image.pixels) + r * run.image.bytesPerRow;
            for (int col = 0; col < n; ++col) {
                const bool ours = (row[col >> 3] >> (7 - (col & 7))) & 1;
                differences += ours != (theirs[r][col] == '1');
            }
        }
        EXPECT_EQ(differences, 0) << "version " << version << " level " << c.level << " mode "
                                  << int(qrState.segmentList[0].mode) << " length " << c.data.size();
    }
}

}  // namespace
}  // namespace barsize::test
