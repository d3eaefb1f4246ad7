// Expanded and Expanded Stacked layout: the pairs cut into rows of
// segmentsPerRow segments, alternate rows reversed, three separator rows
// between two rows.
#include "databar/expanded.h"

#include <cstring>

namespace barsize::databar {

namespace {

struct ExpandedLayout {
    int32_t symbolCharacters;  // S
    int32_t perRow;            // N, segments in a full row
    int32_t rows;              // R
    int32_t rowModules;        // W, guards included
    int32_t fullRowElements;
};

ExpandedLayout layoutFor(int32_t symbolCharacters, int32_t segmentsPerRow) {
    ExpandedLayout l{};
    l.symbolCharacters = symbolCharacters;
    l.perRow = segmentsPerRow < symbolCharacters ? segmentsPerRow : symbolCharacters;
    if (l.perRow < 1) l.perRow = 1;
    l.rows = (symbolCharacters + l.perRow - 1) / l.perRow;
    l.rowModules = 4 + kExpandedPairModules * (l.perRow / 2) + kExpandedLoneModules * (l.perRow % 2);
    l.fullRowElements =
        kExpandedPairElements * (l.perRow / 2) + kExpandedLoneElements * (l.perRow % 2);
    return l;
}

// Row r of the symbol over the pairs copied one after another.
ElementRow expandedRow(const ExpandedLayout &l, int32_t r, const uint8_t *rowElements,
                       int32_t lineCount) {
    const int32_t firstPair = r * l.perRow / 2;
    ElementRow row{};
    row.guards = 1;
    row.lineCount = lineCount;
    row.widths = rowElements + kExpandedPairElements * firstPair;
    row.lightFirst = firstPair % 2 == 0;
    row.reversed = (firstPair % 2) ^ (r % 2);
    row.elementCount = l.fullRowElements;
    if (r == l.rows - 1) {
        const int32_t fullPairs = l.symbolCharacters / 2 - firstPair;
        const int32_t lone = l.symbolCharacters % 2;
        row.elementCount = kExpandedPairElements * fullPairs + kExpandedLoneElements * lone;
        row.rightPad = l.rowModules - 4 - kExpandedPairModules * fullPairs - kExpandedLoneModules * lone;
        // A last row due to be reversed with an odd number of finders is
        // printed forward instead, one module to the right.
        if (row.reversed && row.elementCount % 2 == 1) {
            row.reversed = 0;
            row.leftPad = 1;
            row.rightPad -= 1;
        }
    }
    return row;
}

// Light 5, alternating single modules, light 4 or 5: rowModules wide.
ElementRow interRowPattern(int32_t rowModules, int32_t lineCount, uint8_t *widths) {
    ElementRow row{};
    row.lightFirst = 1;
    row.lineCount = lineCount;
    row.elementCount = rowModules % 2 == 0 ? rowModules - 7 : rowModules - 8;
    widths[0] = 5;
    for (int32_t i = 1; i < row.elementCount - 1; ++i) widths[i] = 1;
    widths[row.elementCount - 1] = rowModules % 2 == 0 ? 4 : 5;
    row.widths = widths;
    return row;
}

}  // namespace

void buildExpandedSymbol(DataBarRequest &request) {
    EngineState &engine = engineState();
    ExpandedPairs pairs;
    const int32_t symbolCharacters =
        encodeExpandedPairs(engine.workData, request.segmentsPerRow, pairs);
    if (symbolCharacters < 0) {
        engine.status = symbolCharacters;
        return;
    }

    uint8_t rowElements[kExpandedMaxPairs * kExpandedPairElements];
    std::memcpy(rowElements, pairs.widths, sizeof rowElements);
    const ExpandedLayout l = layoutFor(symbolCharacters, request.segmentsPerRow);

    const int64_t module = request.pixelsPerModule;
    const int64_t rowLines = int64_t{request.rowHeight} * module;
    setSymbolSize(request, l.rowModules * module,
                  l.rows * rowLines + int64_t{l.rows - 1} * 3 * request.separatorHeight);
    if (!beginDrawing(request)) return;

    uint8_t interRowWidths[kInterRowCapacity];
    const ElementRow pattern =
        interRowPattern(l.rowModules, request.separatorHeight, interRowWidths);
    for (int32_t r = 0; r < l.rows; ++r) {
        const ElementRow row = expandedRow(l, r, rowElements, static_cast<int32_t>(rowLines));
        if (r > 0) {
            printElementRow(request, pattern);
            printElementRow(request, makeSeparatorRow(request, row));
        }
        printElementRow(request, row);
        if (r < l.rows - 1) printElementRow(request, makeSeparatorRow(request, row));
        if (engine.status < 0) return;
    }
}

}  // namespace barsize::databar
