#include "pdf417/error_correction.h"

#include <cstring>

namespace barsize::pdf417 {

namespace {

constexpr uint32_t kPrime = 929;

// Generator polynomials of all nine levels, back to back: level L starts at
// 2^(L+1) - 2 and holds the 2^(L+1) coefficients of x^0 .. x^(k-1) of the
// product of (x - 3^i), i = 1..k, modulo 929.
struct GeneratorTable {
    uint16_t coefficients[1022];
};

constexpr GeneratorTable makeGenerators() {
    GeneratorTable table = {};
    for (int level = 0; level <= kMaxLevel; ++level) {
        const int k = 2 << level;
        uint32_t poly[513] = {};  // poly[j]: coefficient of x^j
        poly[0] = 1;
        uint32_t root = 1;
        for (int i = 1; i <= k; ++i) {
            root = root * 3 % kPrime;
            // Multiply by (x - root).
            for (int j = i; j >= 1; --j)
                poly[j] = (poly[j - 1] + kPrime * kPrime - poly[j] * root % kPrime) % kPrime;
            poly[0] = (kPrime - poly[0] * root % kPrime) % kPrime;
        }
        for (int j = 0; j < k; ++j)
            table.coefficients[k - 2 + j] = static_cast<uint16_t>(poly[j]);
    }
    return table;
}

constexpr GeneratorTable kGenerators = makeGenerators();

static_assert(kGenerators.coefficients[0] == 27 && kGenerators.coefficients[1] == 917,
              "level 0 generator");
static_assert(kGenerators.coefficients[2] == 522 && kGenerators.coefficients[5] == 809,
              "level 1 generator");

// The same coefficients negated modulo 929, as 32-bit numbers.
struct MinusGeneratorTable {
    uint32_t coefficients[1022];
};

constexpr MinusGeneratorTable makeMinusGenerators() {
    MinusGeneratorTable table = {};
    for (int i = 0; i < 1022; ++i)
        table.coefficients[i] = (kPrime - kGenerators.coefficients[i]) % kPrime;
    return table;
}

constexpr MinusGeneratorTable kMinusGenerators = makeMinusGenerators();

// to[0..k) = from shifted up one place plus t times the coefficients, two
// entries per 64-bit word: a product (below 2^20) never carries out of its
// 32-bit half, and no entry reaches 2^32.
void shiftAndAdd(uint32_t *to, const uint32_t *from, const uint32_t *minusA, uint32_t t, int k) {
    to[0] = minusA[0] * t;
    int j = 1;
    for (; j + 1 < k; j += 2) {
        uint64_t previous, coefficients;
        std::memcpy(&previous, from + j - 1, 8);
        std::memcpy(&coefficients, minusA + j, 8);
        const uint64_t sum = previous + coefficients * t;
        std::memcpy(to + j, &sum, 8);
    }
    for (; j < k; ++j) to[j] = from[j - 1] + minusA[j] * t;
}

// Two remainder registers for the largest level (512 codewords).
uint32_t gRemainder[2][512];

// Smallest figure for each level 1..8 in ratio mode.
constexpr uint16_t kLevelThresholds[9] = {0, 0, 4, 11, 21, 46, 101, 201, 401};

uint16_t levelForFigure(uint16_t x) {
    for (uint16_t level = kMaxLevel; level > 1; --level)
        if (x >= kLevelThresholds[level]) return level;
    return 1;
}

// The part of `total` that is error correction when it is r % of the data.
uint16_t shareOfTotal(uint32_t total, uint32_t ratio) {
    return static_cast<uint16_t>(total - total * 100 / (ratio + 100));
}

}  // namespace

uint16_t generatorCoefficient(uint16_t level, uint16_t j) {
    return kGenerators.coefficients[(2u << level) - 2 + j];
}

uint16_t capacityLevel(const Pdf417Settings &settings, uint16_t total) {
    if (settings.ecByLevel) return settings.ecLevel;
    return levelForFigure(shareOfTotal(total, settings.ecRatioPercent));
}

uint16_t symbolLevel(const Pdf417Settings &settings, uint16_t dataCount) {
    if (settings.ecByLevel) return settings.ecLevel;
    if (!settings.automatic)
        return levelForFigure(shareOfTotal(
            static_cast<uint32_t>(settings.rowLimit) * settings.columnLimit,
            settings.ecRatioPercent));
    const uint32_t x = (static_cast<uint32_t>(settings.ecRatioPercent) * dataCount + 50) / 100;
    return levelForFigure(static_cast<uint16_t>(x));
}

void raiseLevel(const Pdf417Settings &settings, uint16_t &level, uint16_t &pads) {
    if (!settings.raiseLevelToFill) return;
    while (level < kMaxLevel) {
        const uint16_t extra = ecCodewordCount(level);  // 2^(L+2) - 2^(L+1)
        if (pads < extra) break;
        pads = static_cast<uint16_t>(pads - extra);
        ++level;
    }
}

void appendEcCodewords(uint16_t *items, uint16_t itemCount, uint16_t level) {
    const int k = 2 << level;
    const uint32_t *minusA = kMinusGenerators.coefficients + k - 2;
    // The remainder register, shifted up by one place per data codeword into
    // the other buffer. Its entries are kept unreduced: each is a sum of at
    // most k products below 929 * 929, which fits 32 bits; only the top
    // entry, which feeds back, is reduced on every step.
    uint32_t *e = gRemainder[0];
    uint32_t *next = gRemainder[1];
    for (int j = 0; j < k; ++j) e[j] = 0;
    for (uint16_t i = 0; i < itemCount; ++i) {
        const uint32_t t = (items[i] + e[k - 1] % kPrime) % kPrime;
        shiftAndAdd(next, e, minusA, t, k);
        uint32_t *swap = e;
        e = next;
        next = swap;
    }
    for (int j = 0; j < k; ++j) {
        const uint32_t remainder = e[k - 1 - j] % kPrime;
        items[itemCount + j] = static_cast<uint16_t>(remainder == 0 ? 0 : kPrime - remainder);
    }
}

}  // namespace barsize::pdf417
