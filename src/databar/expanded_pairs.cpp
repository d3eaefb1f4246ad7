// Expanded symbol characters: the data characters of the bit stream and the
// check character, set out in pairs around their finder patterns.
#include "databar/element_widths.h"
#include "databar/expanded.h"
#include "databar/expanded_bits.h"
#include "databar/expanded_symbol_tables.h"

namespace barsize::databar {

namespace {

// The eight widths of a character of value 0 to 4191 in its own order:
// first set, second set, first set, ...
void characterWidths(int32_t value, uint8_t widths[8]) {
    int32_t group = 0;
    while (group < 4 && value >= kExpandedGroups[group].size) {
        value -= kExpandedGroups[group].size;
        ++group;
    }
    const ExpandedGroup &g = kExpandedGroups[group];
    const ElementWidthSet first =
        elementWidths(value / g.divisor, g.firstModules, 4, g.firstWidest, false);
    const ElementWidthSet second =
        elementWidths(value % g.divisor, g.secondModules, 4, g.secondWidest, true);
    for (int32_t i = 0; i < 4; ++i) {
        widths[2 * i] = static_cast<uint8_t>(first.widths[i]);
        widths[2 * i + 1] = static_cast<uint8_t>(second.widths[i]);
    }
}

// Places a character forward (positions 0-7) or reversed (20 down to 13)
// and returns its checksum contribution for the given first weight.
int32_t placeCharacter(int32_t value, bool rightSide, int32_t firstWeight, uint8_t *pair) {
    uint8_t widths[8];
    characterWidths(value, widths);
    int32_t sum = 0;
    int32_t weight = firstWeight;
    for (int32_t k = 0; k < 8; ++k) {
        pair[rightSide ? 20 - k : k] = widths[k];
        sum = (sum + weight * widths[k]) % kExpandedChecksumModulus;
        weight = weight * 3 % kExpandedChecksumModulus;
    }
    return sum;
}

void placeFinder(int32_t code, uint8_t *pair) {
    const bool reversed = code < 0;
    const uint8_t *finder = kExpandedFinders[(reversed ? -code : code) - 1];
    const uint8_t forward[5] = {finder[0], finder[1], finder[2], 1, 1};
    for (int32_t i = 0; i < 5; ++i) pair[8 + i] = forward[reversed ? 4 - i : i];
}

}  // namespace

int32_t encodeExpandedPairs(const char *data, int32_t segmentsPerRow, ExpandedPairs &pairs) {
    pairs = ExpandedPairs{};
    ExpandedBitStream stream;
    const int32_t status =
        encodeExpandedBits(reinterpret_cast<const uint8_t *>(data), segmentsPerRow, stream);
    if (status != 0) return status;

    const int32_t dataCharacters = stream.dataCharacters;
    const int32_t pairCount = (dataCharacters + 2) / 2;
    const int8_t *sequence = kExpandedFinderSequences[(dataCharacters - 2) / 2];
    int32_t checksum = 0;
    for (int32_t p = 0; p < pairCount; ++p) {
        const int32_t code = sequence[p];
        const int32_t *weights = kExpandedChecksumWeights[(code < 0 ? -code : code) - 1][code < 0];
        uint8_t *pair = pairs.widths[p];
        if (p > 0) {
            checksum += placeCharacter(expandedDataCharacter(stream, 2 * p - 1), false, weights[0], pair);
        }
        placeFinder(code, pair);
        if (2 * p < dataCharacters) {
            checksum += placeCharacter(expandedDataCharacter(stream, 2 * p), true, weights[1], pair);
        }
        checksum %= kExpandedChecksumModulus;
    }
    const int32_t symbolCharacters = dataCharacters + 1;
    placeCharacter(kExpandedChecksumModulus * (symbolCharacters - 4) + checksum, false, 0,
                   pairs.widths[0]);
    return symbolCharacters;
}

}  // namespace barsize::databar
