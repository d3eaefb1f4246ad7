// UPC-A, UPC-E, EAN-13 and EAN-8: all digits, a check digit completed when
// the caller leaves it out (taken as given otherwise), guards and seven-module
// digits.
#include "linear/upc_ean.h"

#include "linear/bar_row.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

int gs1CheckDigit(const uint8_t *digits, int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        const bool weighted = ((count - 1 - i) & 1) == 0;  // rightmost has weight 3
        sum += weighted ? 3 * digits[i] : digits[i];
    }
    return (10 - sum % 10) % 10;
}

namespace {

// Reads the data as digit values into digits and completes the check digit
// when length is one short of fullLength. False if a byte is not a digit.
bool readDigits(const uint8_t *data, int32_t length, int fullLength, uint8_t *digits) {
    if (length < fullLength - 1 || length > fullLength) return false;  // the dispatcher's job
    for (int32_t i = 0; i < length; ++i) {
        if (data[i] < '0' || data[i] > '9') return false;
        digits[i] = static_cast<uint8_t>(data[i] - '0');
    }
    if (length == fullLength - 1)
        digits[fullLength - 1] = static_cast<uint8_t>(gs1CheckDigit(digits, fullLength - 1));
    return true;
}

void appendDigit(const uint8_t *set, uint8_t digit) { appendModules8(set[digit], 7); }

// Six left-hand digits, set B where the parity mask (bit 5 first) has a 1.
void appendLeftHalf(const uint8_t *digits, uint8_t parity) {
    for (int i = 0; i < 6; ++i)
        appendDigit(((parity >> (5 - i)) & 1) != 0 ? kEanSetB : kEanSetA, digits[i]);
}

}  // namespace

int32_t measureUpcA(const uint8_t *data, int32_t length, int32_t hriPosition,
                    int32_t charWidth, int32_t measure) {
    uint8_t digits[12];
    if (!readDigits(data, length, 12, digits)) return -21;
    appendModules8(kEanNormalGuard, 3);
    appendLeftHalf(digits, 0);
    appendModules8(kEanCentreGuard, 5);
    for (int i = 6; i < 12; ++i) appendDigit(kEanSetC, digits[i]);
    appendModules8(kEanNormalGuard, 3);
    return finishLinear(13, 3, 3, hriPosition, charWidth, measure);
}

int32_t measureUpcE(const uint8_t *data, int32_t length, int32_t hriPosition,
                    int32_t charWidth, int32_t measure) {
    uint8_t digits[12];
    if (!readDigits(data, length, 12, digits)) return -22;
    uint8_t upcE[6];
    if (!suppressZeros(digits, upcE)) return -32;
    appendModules8(kEanNormalGuard, 3);
    appendLeftHalf(upcE, kUpcEParity[digits[11]]);
    appendModules8(kUpcEEndGuard, 6);
    return finishLinear(6, 3, 6, hriPosition, charWidth, measure);
}

int32_t measureEan13(const uint8_t *data, int32_t length, int32_t hriPosition,
                     int32_t charWidth, int32_t measure) {
    uint8_t digits[13];
    if (!readDigits(data, length, 13, digits)) return -23;
    appendModules8(kEanNormalGuard, 3);
    appendLeftHalf(digits + 1, kEan13Parity[digits[0]]);
    appendModules8(kEanCentreGuard, 5);
    for (int i = 7; i < 13; ++i) appendDigit(kEanSetC, digits[i]);
    appendModules8(kEanNormalGuard, 3);
    return finishLinear(14, 3, 6, hriPosition, charWidth, measure);
}

int32_t measureEan8(const uint8_t *data, int32_t length, int32_t hriPosition,
                    int32_t charWidth, int32_t measure) {
    uint8_t digits[8];
    if (!readDigits(data, length, 8, digits)) return -24;
    appendModules8(kEanNormalGuard, 3);
    for (int i = 0; i < 4; ++i) appendDigit(kEanSetA, digits[i]);
    appendModules8(kEanCentreGuard, 5);
    for (int i = 4; i < 8; ++i) appendDigit(kEanSetC, digits[i]);
    appendModules8(kEanNormalGuard, 3);
    return finishLinear(14, 3, 6, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
