// Omnidirectional, Truncated, Stacked and Stacked Omnidirectional symbols:
// the same 42 elements cut into rows.
#include <cstring>

#include "databar/builders.h"

namespace barsize::databar {

namespace {

constexpr int32_t kRowModules = 96;         // one row of all 42 elements with guards
constexpr int32_t kStackedRowModules = 50;  // half the elements with guards
constexpr int32_t kHalfElements = 21;
constexpr int32_t kMinOmniRowHeight = 33;
constexpr int32_t kMinTruncatedRowHeight = 13;

// The storage of the stacked type's separator.
uint8_t gStackedSeparatorWidths[kStackedRowModules];
ElementRow gStackedSeparator;

// The middle pattern of the stacked omnidirectional separator: 5 light
// modules, single modules alternating, 4 light modules.
constexpr uint8_t kMiddlePattern[43] = {5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4};

// Reads the engine's data (at most 13 digits) into elements, or fails
// the request with the length status.
bool encodeData(OmniElements &elements) {
    EngineState &e = engineState();
    if (std::strlen(e.workData) >= 14) {
        e.status = kEngineDataLength;
        return false;
    }
    elements = encodeOmniElements(e.workData);
    return true;
}

ElementRow makeRow(const uint8_t *widths, int32_t count, bool lightFirst, int64_t lines) {
    ElementRow row = {};
    row.elementCount = count;
    row.guards = 1;
    row.lineCount = static_cast<int32_t>(lines > INT32_MAX ? INT32_MAX : lines);
    row.lightFirst = lightFirst ? 1 : 0;
    row.widths = widths;
    return row;
}

// Prints the rows in order until one fails.
void printRows(DataBarRequest &request, const ElementRow *const *rows, int count) {
    for (int i = 0; i < count && engineState().status >= 0; ++i)
        printElementRow(request, *rows[i]);
}

// Replaces the elements from the start (or, from the end) that add up to at
// least 5 modules with light over the first (last) 4 modules.
int32_t lightenStart(uint8_t *w, int32_t count) {
    int32_t sum = 0, j = 0;
    while (sum < 5 && j < count) sum += w[j++];
    const bool lastDark = (j - 1) % 2 == 1;
    uint8_t rest[kStackedRowModules];
    const int32_t restCount = count - j;
    std::memcpy(rest, w + j, static_cast<size_t>(restCount));
    int32_t out = 0;
    if (lastDark) {
        w[out++] = 4;
        w[out++] = static_cast<uint8_t>(sum - 4);
    } else {
        w[out++] = static_cast<uint8_t>(sum);
    }
    std::memcpy(w + out, rest, static_cast<size_t>(restCount));
    return out + restCount;
}

int32_t lightenEnd(uint8_t *w, int32_t count) {
    int32_t sum = 0, m = count;
    while (sum < 5 && m > 0) sum += w[--m];
    if (m % 2 == 0) {
        w[m] = static_cast<uint8_t>(sum);
        return m + 1;
    }
    w[m] = static_cast<uint8_t>(sum - 4);
    w[m + 1] = 4;
    return m + 2;
}

}  // namespace

const ElementRow &makeStackedSeparator(const DataBarRequest &request,
                                       const OmniElements &elements) {
    // Module colours (true = dark) of both rows' 46 element modules.
    bool upper[46], lower[46];
    int32_t column = 0;
    for (int32_t i = 0; i < kHalfElements; ++i)
        for (int32_t m = 0; m < elements.widths[i] && column < 46; ++m) upper[column++] = i % 2 == 1;
    column = 0;
    for (int32_t i = 0; i < kHalfElements; ++i)
        for (int32_t m = 0; m < elements.widths[kHalfElements + i] && column < 46; ++m)
            lower[column++] = i % 2 == 0;

    bool dark[kStackedRowModules];
    dark[0] = false;
    dark[1] = true;
    for (int32_t c = 0; c < 46; ++c)
        dark[c + 2] = upper[c] == lower[c] ? !upper[c] : !dark[c + 1];
    dark[48] = !dark[47];
    dark[49] = dark[47];

    uint8_t *w = gStackedSeparatorWidths;
    int32_t count = 0;
    for (int32_t c = 0; c < kStackedRowModules; ++c) {
        if (c > 0 && dark[c] == dark[c - 1])
            ++w[count - 1];
        else
            w[count++] = 1;
    }
    count = lightenStart(w, count);
    count = lightenEnd(w, count);

    gStackedSeparator = ElementRow{};
    gStackedSeparator.elementCount = count;
    gStackedSeparator.lineCount = request.separatorHeight;
    gStackedSeparator.lightFirst = 1;
    gStackedSeparator.widths = w;
    return gStackedSeparator;
}

void buildOmniSymbol(DataBarRequest &request) {
    OmniElements elements;
    if (!encodeData(elements)) return;
    const int32_t minimum =
        request.symbolType == kTypeOmni ? kMinOmniRowHeight : kMinTruncatedRowHeight;
    const int64_t module = request.pixelsPerModule;
    const int64_t height = (request.rowHeight > minimum ? request.rowHeight : minimum) * module;
    setSymbolSize(request, kRowModules * module, height);
    if (!beginDrawing(request)) return;
    const ElementRow row = makeRow(elements.widths, kOmniElementCount, true, height);
    printElementRow(request, row);
}

void buildStackedSymbol(DataBarRequest &request) {
    OmniElements elements;
    if (!encodeData(elements)) return;
    const int64_t module = request.pixelsPerModule;
    const int64_t upperLines = request.rowHeight * module;
    const int64_t lowerLines = request.secondRowHeight * module;
    setSymbolSize(request, kStackedRowModules * module,
                  upperLines + lowerLines + request.separatorHeight);
    if (!beginDrawing(request)) return;
    const ElementRow upper = makeRow(elements.widths, kHalfElements, true, upperLines);
    const ElementRow lower =
        makeRow(elements.widths + kHalfElements, kHalfElements, false, lowerLines);
    const ElementRow &separator = makeStackedSeparator(request, elements);
    const ElementRow *const rows[] = {&upper, &separator, &lower};
    printRows(request, rows, 3);
    if (engineState().status >= 0) engineState().status = kEngineSized;
}

void buildStackedOmniSymbol(DataBarRequest &request) {
    OmniElements elements;
    if (!encodeData(elements)) return;
    const int64_t module = request.pixelsPerModule;
    const int64_t rowLines = request.rowHeight * module;
    setSymbolSize(request, kStackedRowModules * module,
                  2 * rowLines + 3 * int64_t{request.separatorHeight});
    if (!beginDrawing(request)) return;
    const ElementRow upper = makeRow(elements.widths, kHalfElements, true, rowLines);
    const ElementRow lower =
        makeRow(elements.widths + kHalfElements, kHalfElements, false, rowLines);
    ElementRow middle = {};
    middle.elementCount = 43;
    middle.lineCount = request.separatorHeight;
    middle.lightFirst = 1;
    middle.widths = kMiddlePattern;

    // makeSeparatorRow keeps one row at a time: print each before the next.
    printElementRow(request, upper);
    if (engineState().status >= 0) printElementRow(request, makeSeparatorRow(request, upper));
    if (engineState().status >= 0) printElementRow(request, middle);
    if (engineState().status >= 0) printElementRow(request, makeSeparatorRow(request, lower));
    if (engineState().status >= 0) printElementRow(request, lower);
}

}  // namespace barsize::databar
