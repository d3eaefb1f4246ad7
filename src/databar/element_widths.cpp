#include "databar/element_widths.h"

namespace barsize::databar {

namespace {

constexpr int32_t countCombinations(int32_t n, int32_t r) {
    if (r < 0 || r > n) return 0;
    const int32_t big = r > n - r ? r : n - r;
    const int32_t small = r > n - r ? n - r : r;
    int64_t product = 1;
    for (int32_t i = n; i > big; --i) product *= i;
    for (int32_t j = 1; j <= small; ++j) product /= j;
    return static_cast<int32_t>(product);
}

// Every n up to 26, the most modules one element-width search spans.
constexpr int32_t kTableSize = 27;

struct CombinationTable {
    int32_t value[kTableSize][kTableSize];
};

constexpr CombinationTable makeCombinationTable() {
    CombinationTable t{};
    for (int32_t n = 0; n < kTableSize; ++n)
        for (int32_t r = 0; r <= n; ++r) t.value[n][r] = countCombinations(n, r);
    return t;
}

constexpr CombinationTable kCombinations = makeCombinationTable();

}  // namespace

int32_t combinations(int32_t n, int32_t r) {
    if (r < 0 || r > n) return 0;
    if (n < kTableSize) return kCombinations.value[n][r];
    return countCombinations(n, r);
}

ElementWidthSet elementWidths(int32_t value, int32_t modules, int32_t elements, int32_t widest,
                              bool narrowFree) {
    ElementWidthSet set = {};
    if (elements < 1) return set;
    if (elements > 8) elements = 8;
    int32_t n = modules;
    uint32_t narrowMask = 0;
    for (int32_t b = 0; b < elements - 1; ++b) {
        const int32_t left = elements - b - 1;  // elements after this one
        int32_t width = 1;
        narrowMask |= 1u << b;
        for (;;) {
            int32_t sub = combinations(n - width - 1, elements - b - 2);
            if (!narrowFree && narrowMask == 0 && n - width - left >= left)
                sub -= combinations(n - width - (elements - b), elements - b - 2);
            if (left > 1) {
                int32_t less = 0;
                for (int32_t mx = n - width - (elements - b - 2); mx > widest; --mx)
                    less += combinations(n - width - mx - 1, elements - b - 3);
                sub -= less * left;
            } else if (n - width > widest) {
                sub -= 1;
            }
            // A width that would leave too few modules for the rest ends the
            // search: no valid value lies beyond it.
            if (value - sub < 0 || n - width <= left) break;
            value -= sub;
            ++width;
            narrowMask &= ~(1u << b);
        }
        set.widths[b] = width;
        n -= width;
    }
    set.widths[elements - 1] = n;
    return set;
}

uint64_t decimalValue(const char *digits, int32_t count) {
    uint64_t value = 0;
    for (int32_t i = 0; i < count; ++i)
        value = value * 10 + (static_cast<uint8_t>(digits[i]) & 0x0F);
    return value;
}

WideQuotient divideWide(uint64_t value, uint32_t divisor) {
    if (divisor == 0) return WideQuotient{0, 0};
    return WideQuotient{value / divisor, static_cast<uint32_t>(value % divisor)};
}

}  // namespace barsize::databar
