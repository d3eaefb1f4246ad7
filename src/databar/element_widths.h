// Element-width combinatorics shared by every DataBar symbol type, and the
// 64-bit symbol values of the 13-digit types.
#pragma once

#include <cstdint>

namespace barsize::databar {

// The widths, in modules, of one set of a character: as many as asked for.
struct ElementWidthSet {
    int32_t widths[8];
};

// C(n, r) for the small arguments DataBar needs (n at most 17); 0 when r is
// outside 0 to n.
int32_t combinations(int32_t n, int32_t r);

// The element widths of the value-th combination of `modules` modules split
// into `elements` elements (at most 8), none wider than `widest`. With
// narrowFree clear, combinations with no one-module element are skipped.
ElementWidthSet elementWidths(int32_t value, int32_t modules, int32_t elements, int32_t widest,
                              bool narrowFree);

// Decimal digits read as an unsigned 64-bit value, each character taken by
// its low four bits.
uint64_t decimalValue(const char *digits, int32_t count);

// A 64-bit value divided by a 32-bit divisor.
struct WideQuotient {
    uint64_t quotient;
    uint32_t remainder;
};
WideQuotient divideWide(uint64_t value, uint32_t divisor);

}  // namespace barsize::databar
