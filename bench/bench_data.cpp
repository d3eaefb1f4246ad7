#include "bench_data.h"

namespace barsize::bench {

namespace {

std::string repeat(const char *pattern, size_t patternLength, size_t n) {
    std::string out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) out.push_back(pattern[i % patternLength]);
    return out;
}

unsigned setCValue(size_t i) { return static_cast<unsigned>((i * 37 + 11) % 100); }

}  // namespace

std::string digits(size_t n) { return repeat("0123456789", 10, n); }

std::string upperText(size_t n) { return repeat("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 26, n); }

std::string lowerText(size_t n) {
    static const char kWords[] = "the quick brown fox jumps over the lazy dog ";
    return repeat(kWords, sizeof kWords - 1, n);
}

std::string receiptText(size_t n) {
    static const char kLine[] = "Receipt 0042, Coffee large x2 at 3.50 EUR; Table 7. ";
    return repeat(kLine, sizeof kLine - 1, n);
}

std::string binaryBytes(size_t n) {
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>((i * 151 + 7) & 0xFF);
    return out;
}

std::string shiftJisKanji(size_t n) {
    // Lead bytes 0x88 to 0x97, trail bytes 0x9F to 0xFC: all in the Kanji range.
    std::string out;
    out.reserve(2 * n);
    for (size_t i = 0; i < n; ++i) {
        out.push_back(static_cast<char>(0x88 + i % 16));
        out.push_back(static_cast<char>(0x9F + (i * 7) % 94));
    }
    return out;
}

std::string code128SetCValues(size_t n) {
    std::string out = "{C";
    for (size_t i = 0; i < n / 2; ++i) out.push_back(static_cast<char>(setCValue(i)));
    return out;
}

std::string code128SetCDigits(size_t n) {
    std::string out;
    for (size_t i = 0; i < n / 2; ++i) {
        out.push_back(static_cast<char>('0' + setCValue(i) / 10));
        out.push_back(static_cast<char>('0' + setCValue(i) % 10));
    }
    return out;
}

}  // namespace barsize::bench
