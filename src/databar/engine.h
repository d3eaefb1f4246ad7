// The DataBar symbol engine: one request in, the symbol's size in pixels and,
// on demand, its one-bit raster out. Each symbol type has its own builder;
// all of them print through printElementRow.
#pragma once

#include <cstdint>

namespace barsize::databar {

// Symbol types of a request.
enum : uint32_t {
    kTypeOmni = 1,
    kTypeTruncated = 2,
    kTypeStacked = 3,
    kTypeStackedOmni = 4,
    kTypeLimited = 5,
    kTypeExpanded = 6,  // one or more rows
};

// Engine statuses.
enum : int32_t {
    kEngineSized = 1,          // success; every sizing pass ends with it
    kEngineDrawn = 0,          // success of a drawing pass
    kEngineBadOutputMode = -1, // outputMode is neither -1 nor 0
    kEngineBadType = -4,       // symbolType outside 1 to 6
    kEngineDataTooLarge = -6,  // the data does not fit the symbol
    kEngineDataLength = -12,   // 14 or more characters for types 1 to 5
    kEngineLineTooLong = -13,  // a raster line reached kLineBufferBytes bytes
    kEngineBadCharacter = -15, // expanded data outside its character set
};

// outputMode values.
enum : int32_t {
    kOutputSizeOnly = -1,
    kOutputDraw = 0,
};

constexpr int32_t kMaxDataLength = 2435;      // longest request data
constexpr int32_t kLineBufferBytes = 7013;    // a line must stay below this
constexpr int32_t kSeparatorCapacity = 1024;  // elements of a separator row

// One request: inputs set by the caller, results by the engine.
struct DataBarRequest {
    uint32_t symbolType;
    int32_t pixelsPerModule;  // dots per module
    int32_t barReduction;     // pixels taken off each dark element, given to its light partner
    int32_t undercutLines;    // lines atop each row showing only what it shares with the line above
    int32_t separatorHeight;  // pixels
    int32_t segmentsPerRow;   // expanded data characters per row (the engine sets it)
    uint32_t dataLength;
    const char *data;
    uint8_t *raster;          // null in the sizing pass
    int32_t outputMode;       // kOutputSizeOnly or kOutputDraw
    // Results, cleared at the start of every request.
    int32_t bytesPerRow;
    int32_t symbolHeight;
    int32_t symbolWidth;
    int32_t rasterLines;
    int32_t rasterSize;       // symbolHeight * (bytesPerRow + 8)
    // Row heights and the medium.
    int32_t rowHeight;        // modules
    int32_t secondRowHeight;  // modules, lower row of the stacked type
    int32_t printableWidth;   // pixels, sizes expanded rows
};

// One printable row of element widths (modules), light or dark first.
struct ElementRow {
    int32_t elementCount;
    int32_t leftPad;    // light modules before the row
    int32_t rightPad;   // light modules after the row
    int32_t guards;     // non-zero: a one-module guard pair at each end
    int32_t lineCount;  // raster lines
    int32_t lightFirst; // non-zero: widths[0] is light
    int32_t reversed;   // non-zero: printed last to first, each keeping its colour
    const uint8_t *widths;
};

// The engine's process-wide working state. Builders read the data from
// workData and report through status.
struct EngineState {
    char workData[kMaxDataLength + 1];  // the request data, terminated
    int32_t status;
    bool newSymbolPending;  // set before a symbol's first row
    uint32_t rasterOffset;  // bytes written to the raster so far
    uint8_t lineBuffer[kLineBufferBytes];
    uint8_t undercutBuffer[kLineBufferBytes];
    uint8_t separatorWidths[kSeparatorCapacity];
    ElementRow separator;
};

EngineState &engineState();

// Runs one request; returns its status (non-negative on success).
int32_t runDataBarEngine(DataBarRequest &request);

// Fills the five result fields for a symbol of width x height pixels
// (sizes beyond 32 bits are held at the largest 32-bit value).
void setSymbolSize(DataBarRequest &request, int64_t width, int64_t height);

// Called by a builder once its size is set: in the sizing pass sets status 1
// and returns false; with an unknown outputMode sets status -1 and returns
// false; in the drawing pass marks a new symbol and returns true.
bool beginDrawing(const DataBarRequest &request);

// Builds the row's line and, in the drawing pass, appends its lineCount
// raster lines. Returns the bytes in the line (0 with status -13 when the
// line is too long).
int32_t printElementRow(DataBarRequest &request, const ElementRow &row);

// The separator printed directly above or below `row` (which has guards):
// light over its first and last four modules, the row's complement
// elsewhere, with a narrow alternating pattern under each finder. Valid
// until the next call.
const ElementRow &makeSeparatorRow(const DataBarRequest &request, const ElementRow &row);

// Expanded data characters per row for a printable width.
int32_t expandedSegmentsPerRow(int32_t printableWidth, int32_t pixelsPerModule);

}  // namespace barsize::databar
