// The working records of the PDF417 encoder, shared by its stages.
#pragma once

#include <cstdint>

namespace barsize::pdf417 {

// Entries of the codeword list; compaction never fills more, whatever the
// capacity of a fixed layout.
constexpr int kMaxCodewords = 929;
// The most codewords one symbol holds.
constexpr int kMaxSymbolCodewords = 928;
constexpr int kMaxRows = 90;
constexpr int kMinRows = 3;
constexpr int kMaxDataColumns = 30;
// Largest matrix: 84 rows of 11 data columns and 2 row indicators.
constexpr int kMaxMatrixEntries = 1092;

// Codeword pad value and mode codewords.
enum : uint16_t {
    kTextLatch = 900,
    kByteLatch = 901,
    kNumericLatch = 902,
    kByteShift = 913,
    kByteLatchSix = 924,
    kPad = 900
};

enum SymbolType : uint16_t { kStandard = 0, kTruncated = 1 };

// The normalised request, read by compaction, error correction and layout.
struct Pdf417Settings {
    uint16_t rowLimit;           // fixed: the row count; automatic: 90
    uint16_t columnLimit;        // fixed: the column count; automatic: 30
    bool automatic;              // rows or columns left to the layout
    uint16_t rowHeight;          // row height in module widths
    uint16_t requestedRows;      // automatic only, 0 = free
    uint16_t requestedColumns;   // automatic only, 0 = free
    uint16_t widthLimitModules;  // automatic only: page width / module width
    bool ecByLevel;              // level given (else ratio)
    bool raiseLevelToFill;       // ratio mode: raise the level while pads pay
    uint16_t ecLevel;            // 0..8
    uint16_t ecRatioPercent;     // 10..400
    uint16_t symbolType;         // kStandard or kTruncated
    uint16_t moduleWidth;        // dots per module
};

struct CodewordList {
    uint16_t count;          // entries in items
    uint16_t dataCapacity;   // most entries compaction may fill
    uint16_t totalCapacity;  // data and error-correction codewords of the symbol
    uint16_t items[kMaxCodewords];  // items[0]: the symbol length descriptor
};

struct Pdf417Layout {
    uint16_t symbolRows;            // 3..90
    uint16_t columnsWithIndicators; // data columns + 2 (standard) or + 1 (truncated)
    uint16_t level;                 // error-correction level after raising
    uint16_t symbolType;
    uint16_t pads;                  // pad codewords between data and error correction
    uint16_t dataCount;             // data codewords, the descriptor included
    uint16_t rowHeight;             // in module widths
    uint16_t dataColumns;           // 1..30
    uint16_t matrix[kMaxMatrixEntries];  // rows of columnsWithIndicators codewords
};

}  // namespace barsize::pdf417
