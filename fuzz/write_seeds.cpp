// Writes the seed corpora of the three harnesses, one file per case, from
// tables of the cases the unit tests use: write_seeds <directory> creates
// <directory>/linear, <directory>/two_d and <directory>/decode.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

std::string rawArg(uint32_t v) {
    std::string s(1, '\x03');
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

void writeFile(const std::string &path, const std::string &bytes) {
    FILE *f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::perror(path.c_str());
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

struct LinearSeed {
    uint8_t symbologyIndex;  // index into the linear harness's table
    uint32_t moduleWidth, hriPosition, hriCharWidth, measure;
    const char *data;
};

const LinearSeed kLinear[] = {
    {0, 2, 2, 0, 0, "01234567890"},
    {1, 2, 2, 0, 0, "01234500005"},
    {2, 3, 1, 1, 0, "590123412345"},
    {3, 2, 2, 2, 1, "9638507"},
    {4, 2, 2, 0, 0, "123"},
    {4, 3, 1, 32, 2, "CODE-39 $/+%."},
    {5, 2, 2, 6, 0, "1234567890"},
    {6, 4, 2, 0, 0, "A12345B"},
    {7, 2, 2, 0, 0, "Code 93\x01~"},
    {8, 2, 2, 0, 0, "{BHello, World"},
    {8, 6, 3, 9, 0, "{C123456{A\x01{BAbc"},
    {9, 3, 0, 0, 0, "0001234567890"},
    {10, 2, 0, 0, 0, "0001234567890"},
    {11, 1, 0, 0, 0, "0150123456789"},
    {12, 3, 0, 0, 0, "(01)09501101530008(10)AB{1(21)123"},
    {12, 4, 0, 0, 0, "(01)1234567890123*(3103)001750"},
};

struct TwoDSeed {
    uint8_t symbologyIndex, subtypeIndex;
    uint16_t fields[7];
    const char *data;
};

const TwoDSeed kTwoD[] = {
    {1, 3, {50, 4, 48}, "12345"},
    {1, 3, {49, 1, 51}, "HELLO WORLD 0123456789"},
    {1, 3, {50, 16, 50}, "bytes \xe9\xff and kanji \x93\x5f\xe4\xaa"},
    {0, 3, {0, 0, 3, 3, 48, 49, 0}, "ABC"},
    {0, 3, {0, 0, 3, 3, 48, 49, 1}, "ABC"},
    {0, 3, {4, 10, 2, 3, 49, 1, 0}, "PDF417 mixed Text 12345678901234567890 \x01\x80"},
    {2, 0, {3, 0}, "0001234567890"},
    {2, 1, {2, 0}, "0001234567890"},
    {2, 2, {3, 0}, "(01)09501101530008(10)AB{1(21)123"},
    {2, 2, {8, 640}, "(01)09501101530008(3103)001750(10)ABC123"},
};

struct DecodeSeed {
    uint8_t settings[8];
    const char *data;
};

const DecodeSeed kDecode[] = {
    {{0, 0, 0, 0, 0, 0, 0, 0}, "12345"},
    {{0, 1, 3, 0, 0, 0, 0, 0}, "HELLO WORLD"},
    {{0, 0, 1, 0, 0, 0, 0, 0}, "Mixed data 0123456789 abc \x93\x5f\xe4\xaa"},
    {{1, 0, 0, 2, 0, 0, 1, 0}, "ABC"},
    {{1, 8, 10, 2, 0, 1, 2, 1}, "PDF417 0123456789012345 text, bytes \xe9\x01"},
};

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds <directory>\n");
        return 2;
    }
    const std::string root = argv[1];
    for (const char *sub : {"", "/linear", "/two_d", "/decode"})
        mkdir((root + sub).c_str(), 0755);
    int n = 0;
    for (const LinearSeed &s : kLinear) {
        std::string bytes(1, static_cast<char>(s.symbologyIndex));
        bytes += rawArg(s.moduleWidth) + rawArg(s.hriPosition) + rawArg(s.hriCharWidth) +
                 rawArg(s.measure);
        bytes += std::string("\0\0\0", 3);  // exact length
        writeFile(root + "/linear/seed-" + std::to_string(n++), bytes + s.data);
    }
    n = 0;
    for (const TwoDSeed &s : kTwoD) {
        std::string bytes(1, static_cast<char>(s.symbologyIndex));
        bytes += static_cast<char>(s.subtypeIndex);
        for (uint16_t f : s.fields) {
            bytes += static_cast<char>(f & 0xFF);
            bytes += static_cast<char>(f >> 8);
        }
        bytes += std::string("\0\0\0\0", 4);  // no high bits, exact length
        writeFile(root + "/two_d/seed-" + std::to_string(n++), bytes + s.data);
    }
    n = 0;
    for (const DecodeSeed &s : kDecode) {
        const std::string bytes(reinterpret_cast<const char *>(s.settings), 8);
        writeFile(root + "/decode/seed-" + std::to_string(n++), bytes + s.data);
    }
    return 0;
}
