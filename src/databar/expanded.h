// DataBar Expanded and Expanded Stacked (symbol type 6). The engine sets
// request.segmentsPerRow before calling it.
#pragma once

#include "databar/engine.h"

namespace barsize::databar {

constexpr int32_t kExpandedMaxPairs = 11;
constexpr int32_t kExpandedPairElements = 21;  // left character, finder, right character
constexpr int32_t kExpandedLoneElements = 13;  // a last pair without right character
constexpr int32_t kExpandedPairModules = 49;
constexpr int32_t kExpandedLoneModules = 32;
constexpr int32_t kInterRowCapacity = 590;

// The symbol's pairs: positions 0-7 the left character, 8-12 the finder,
// 13-20 the right character in reverse order.
struct ExpandedPairs {
    uint8_t widths[kExpandedMaxPairs][kExpandedPairElements];
};

// Encodes the terminated element string into pairs for rows of
// segmentsPerRow segments. Returns S, the number of symbol characters (check
// character included), or kEngineBadCharacter / kEngineDataTooLarge.
int32_t encodeExpandedPairs(const char *data, int32_t segmentsPerRow, ExpandedPairs &pairs);

void buildExpandedSymbol(DataBarRequest &request);

}  // namespace barsize::databar
