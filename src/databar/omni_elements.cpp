#include "databar/omni_elements.h"

#include "databar/element_widths.h"
#include "databar/omni_tables.h"

namespace barsize::databar {

namespace {

constexpr uint32_t kPairDivisor = 4537077;  // values of one half of the symbol
constexpr uint32_t kInnerValues = 1597;

// Where the quotient and remainder sets of each character go.
struct CharacterPlacement {
    uint8_t quotient[4];
    uint8_t remainder[4];
};
constexpr CharacterPlacement kLeftOuter = {{0, 2, 4, 6}, {1, 3, 5, 7}};
constexpr CharacterPlacement kLeftInner = {{19, 17, 15, 13}, {20, 18, 16, 14}};
constexpr CharacterPlacement kRightInner = {{22, 24, 26, 28}, {21, 23, 25, 27}};
constexpr CharacterPlacement kRightOuter = {{41, 39, 37, 35}, {40, 38, 36, 34}};

// The checksum reads the character elements in this order.
constexpr uint8_t kChecksumOrder[32] = {0,  1,  2,  3,  4,  5,  6,  7,  20, 19, 18,
                                        17, 16, 15, 14, 13, 41, 40, 39, 38, 37, 36,
                                        35, 34, 21, 22, 23, 24, 25, 26, 27, 28};

void placeCharacter(OmniElements &out, int32_t value, const CharacterGroup *groups,
                    int32_t groupCount, const CharacterPlacement &placement) {
    int32_t g = 0;
    while (g < groupCount - 1 && value >= groups[g].size) value -= groups[g++].size;
    const CharacterGroup &group = groups[g];
    const ElementWidthSet q = elementWidths(value / group.divisor, group.quotientModules, 4,
                                            group.quotientWidest, true);
    const ElementWidthSet r = elementWidths(value % group.divisor, group.remainderModules, 4,
                                            group.remainderWidest, false);
    for (int i = 0; i < 4; ++i) {
        out.widths[placement.quotient[i]] = static_cast<uint8_t>(q.widths[i]);
        out.widths[placement.remainder[i]] = static_cast<uint8_t>(r.widths[i]);
    }
}

}  // namespace

int32_t omniChecksum(const OmniElements &elements) {
    int32_t sum = 0;
    int32_t weight = 1;
    for (uint8_t position : kChecksumOrder) {
        sum += weight * elements.widths[position];
        weight = weight * 3 % 79;
    }
    return sum % 79;
}

int32_t omniCheckValue(int32_t checksum) {
    int32_t value = checksum;
    if (checksum >= 8) ++value;
    if (checksum >= 71) ++value;
    return value;
}

OmniElements encodeOmniElements(const char *digits) {
    // "0" (the linkage digit) and the digits right-aligned into 13.
    char number[14];
    int32_t length = 0;
    while (length < 13 && digits[length] != 0) ++length;
    for (int32_t i = 0; i < 14; ++i) number[i] = '0';
    for (int32_t i = 0; i < length; ++i) number[14 - length + i] = digits[i];

    const WideQuotient halves = divideWide(decimalValue(number, 14), kPairDivisor);
    const int32_t left = static_cast<int32_t>(halves.quotient);
    const int32_t right = static_cast<int32_t>(halves.remainder);

    OmniElements out = {};
    placeCharacter(out, left / kInnerValues, kOuterGroups, 5, kLeftOuter);
    placeCharacter(out, left % kInnerValues, kInnerGroups, 4, kLeftInner);
    placeCharacter(out, right % kInnerValues, kInnerGroups, 4, kRightInner);
    placeCharacter(out, right / kInnerValues, kOuterGroups, 5, kRightOuter);

    const int32_t check = omniCheckValue(omniChecksum(out));
    const uint8_t *leftFinder = kOmniFinders[check / 9];
    const uint8_t *rightFinder = kOmniFinders[check % 9];
    for (int i = 0; i < 3; ++i) {
        out.widths[8 + i] = leftFinder[i];
        out.widths[33 - i] = rightFinder[i];
    }
    out.widths[11] = out.widths[12] = out.widths[29] = out.widths[30] = 1;
    return out;
}

}  // namespace barsize::databar
