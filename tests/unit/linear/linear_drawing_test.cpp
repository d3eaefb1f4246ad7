// The drawn bar row of every linear symbology, at every module width 2 to 6:
// it is exactly as wide as the reported width, begins and ends with a bar,
// and its bars and spaces are, element for element, those of the same symbol
// made by an independent encoder (zint), which these symbologies fix
// completely. Two-width symbologies are compared as narrow/wide sequences,
// since zint draws a different wide-to-narrow ratio.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "barsize.h"
#include "linear/bar_row.h"

namespace {

struct DrawCase {
    int32_t symbology;
    std::string data;
    int zintType;
    std::string zintData;  // the same symbol in zint's input convention
    bool twoWidths;        // elements are narrow or wide (not whole modules)
};

std::string b(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

const std::vector<DrawCase> &drawCases() {
    static const std::vector<DrawCase> cases = {
        {0, "01234567890", 34, "01234567890", false},
        {0, "987654321098", 34, "98765432109", false},  // zint recomputes the check (8)
        {1, "01234500005", 37, "0123455", false},
        {1, "01200000345", 37, "0123450", false},
        {1, "04220000526", 37, "0425262", false},
        {1, "01230000045", 37, "0123453", false},
        {1, "07777000009", 37, "0777794", false},
        {1, "012345000096", 37, "0123459", false},  // check digit given
        {2, "400638133393", 13, "400638133393", false},
        {2, "123456789012", 13, "123456789012", false},
        {2, "750103131130", 13, "750103131130", false},
        {3, "1234567", 13, "1234567", false},
        {3, "5512345", 13, "5512345", false},
        {4, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 8,
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", true},
        {5, "00112233445566778899", 3, "00112233445566778899", true},
        {5, "12", 3, "12", true},
        {6, "A0123456789-$:/.+B", 18, "A0123456789-$:/.+B", true},
        {6, "C1D", 18, "C1D", true},
        {6, "D:A", 18, "D:A", true},
        {7, "TEST93", 25, "TEST93", false},
        {7, b({0, 'a', '!', ' ', 127, '$', '%', '+', '/', 31, '~'}), 25,
         b({0, 'a', '!', ' ', 127, '$', '%', '+', '/', 31, '~'}), false},
        {7, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 25,
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", false},
        {8, "{BHello, World!", 20, "Hello, World!", false},
        {8, b({'{', 'C', 12, 34, 56, 78}), 20, "12345678", false},
    };
    return cases;
}

// zint's modules for the symbol: "1" bar, "0" space, first to last bar.
std::string zintModules(int type, const std::string &data) {
    std::string command = "zint --dump --esc -b " + std::to_string(type) + " -d '";
    char escaped[8];
    for (unsigned char c : data) {
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        command += escaped;
    }
    command += "' 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return "";
    std::string out;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    if (pclose(pipe) != 0) return "zint failed: " + out;
    std::string modules;
    for (char c : out) {
        if (c == '\n') break;
        const int nibble = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (nibble < 0) continue;
        for (int bit = 3; bit >= 0; --bit) modules.push_back(((nibble >> bit) & 1) ? '1' : '0');
    }
    while (!modules.empty() && modules.back() == '0') modules.pop_back();
    return modules;
}

// Lengths of the runs of equal characters.
std::vector<int> runs(const std::string &pixels) {
    std::vector<int> out;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i == 0 || pixels[i] != pixels[i - 1])
            out.push_back(1);
        else
            ++out.back();
    }
    return out;
}

std::string barRowDots() {
    std::string dots;
    for (int32_t x = 0; x < barsize::linear::barRow.position; ++x)
        dots.push_back(barsize::linear::barRowDot(barsize::linear::barRow, x) ? '1' : '0');
    return dots;
}

bool zintAvailable() { return std::system("zint --version > /dev/null 2>&1") == 0; }

TEST(LinearDrawing, DrawnAsWideAsReportedAndElementForElementAsZint) {
    const bool withZint = zintAvailable();
    for (const DrawCase &c : drawCases()) {
        const std::string reference = withZint ? zintModules(c.zintType, c.zintData) : "";
        ASSERT_TRUE(!withZint || reference.rfind("1", 0) == 0) << c.data << ": " << reference;
        std::vector<int> expected = runs(reference);
        if (c.twoWidths) {
            int narrow = 1 << 30;
            for (int r : expected) narrow = r < narrow ? r : narrow;
            for (int &r : expected) r = r == narrow ? 1 : 2;
        }
        for (int32_t w = 2; w <= 6; ++w) {
            const int32_t width = getBarCodeWidth(c.data.data(), static_cast<int32_t>(c.data.size()),
                                                  c.symbology, w, 0, 0, 1);
            ASSERT_GT(width, 0) << c.data;
            ASSERT_EQ(barsize::linear::barRow.position, width) << c.data << " w " << w;
            const std::string dots = barRowDots();
            EXPECT_EQ(dots.front(), '1') << c.data << " w " << w;
            EXPECT_EQ(dots.back(), '1') << c.data << " w " << w;
            // Nothing painted past the reported width.
            EXPECT_FALSE(barsize::linear::barRowDot(barsize::linear::barRow, width));
            std::vector<int> drawn = runs(dots);
            const int32_t wide = (5 * w + 1) / 2;
            for (int &r : drawn) {
                if (c.twoWidths) {
                    EXPECT_TRUE(r == w || r == wide) << c.data << " w " << w << " run " << r;
                    r = r == w ? 1 : 2;
                } else {
                    EXPECT_EQ(r % w, 0) << c.data << " w " << w;
                    r /= w;
                }
            }
            if (withZint) {
                EXPECT_EQ(drawn, expected) << c.data << " w " << w;
            }
        }
    }
    if (!withZint) GTEST_SKIP() << "zint not installed: widths checked, elements not compared";
}

}  // namespace
