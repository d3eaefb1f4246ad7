#include "pdf417/row_raster.h"

#include <cstring>

#include "interface/raster_bits.h"
#include "pdf417/codeword_patterns.h"
#include "pdf417/layout.h"
#include "pdf417/raster_page.h"

namespace barsize::pdf417 {

namespace {

// Start and stop patterns as bar and space widths in modules, bar first.
constexpr uint8_t kStartPattern[] = {8, 1, 1, 1, 1, 1, 1, 3};
constexpr uint8_t kStopPattern[] = {7, 1, 1, 3, 1, 1, 1, 2, 1};
constexpr uint8_t kTruncatedStop[] = {1};

RowRenderer renderer;

uint16_t rowHeightDotsOf(const Pdf417Layout &layout, uint16_t moduleWidth) {
    const uint32_t dots = static_cast<uint32_t>(moduleWidth) * layout.rowHeight;
    return static_cast<uint16_t>(dots < 1 ? 1 : dots);
}

void appendDots(RowRenderer &r, bool bar, uint32_t dots) {
    if (r.bitPosition + dots > kLineBytes * 8u) dots = kLineBytes * 8u - r.bitPosition;
    if (bar) {
        api::darkenDots(r.line, r.bitPosition, r.bitPosition + dots);
    }
    r.bitPosition += dots;
}

void appendWidths(RowRenderer &r, const uint8_t *widths, int count) {
    for (int i = 0; i < count; ++i) appendDots(r, i % 2 == 0, widths[i] * r.moduleWidthDots);
}

using api::kExpandedModules;
using api::kMaxTableModuleWidth;

void paintDots(RowRenderer &r, uint32_t p, uint64_t dots) { api::orDotWord(r.line, p, dots); }

// A symbol character: module 1 is a bar, modules 2..17 come from the pattern.
void appendCodeword(RowRenderer &r, int cluster, uint16_t codeword) {
    const uint32_t modules = 0x10000u | kCodewordPatterns[cluster][codeword % 929];
    const uint32_t w = r.moduleWidthDots;
    if (w >= 1 && w <= kMaxTableModuleWidth && (r.bitPosition + 17 * w) / 8 + 8 <= kLineBytes) {
        // Modules 1-8, 9-16, then 17.
        paintDots(r, r.bitPosition, kExpandedModules.dots[w][(modules >> 9) & 0xFF]);
        paintDots(r, r.bitPosition + 8 * w, kExpandedModules.dots[w][(modules >> 1) & 0xFF]);
        paintDots(r, r.bitPosition + 16 * w, kExpandedModules.dots[w][(modules & 1u) << 7]);
        r.bitPosition += 17 * w;
        return;
    }
    // One run of equal modules at a time.
    for (int bit = 16; bit >= 0;) {
        const uint32_t bar = (modules >> bit) & 1u;
        int run = 1;
        while (bit - run >= 0 && ((modules >> (bit - run)) & 1u) == bar) ++run;
        appendDots(r, bar != 0, static_cast<uint32_t>(run) * r.moduleWidthDots);
        bit -= run;
    }
}

void drawRow(RowRenderer &r, uint16_t row) {
    const Pdf417Layout &layout = *r.layout;
    std::memset(r.line, 0, sizeof r.line);
    r.bitPosition = 0;
    appendWidths(r, kStartPattern, sizeof kStartPattern);
    const uint16_t *entries = layout.matrix + static_cast<uint32_t>(row) * layout.columnsWithIndicators;
    for (uint16_t i = 0; i < layout.columnsWithIndicators; ++i)
        appendCodeword(r, row % 3, entries[i]);
    if (layout.symbolType == kTruncated)
        appendWidths(r, kTruncatedStop, sizeof kTruncatedStop);
    else
        appendWidths(r, kStopPattern, sizeof kStopPattern);
}

}  // namespace

void startRaster(RowRenderer &r, const Pdf417Layout &layout, uint16_t moduleWidth) {
    r.layout = &layout;
    r.moduleWidthDots = moduleWidth;
    r.rowHeightDots = rowHeightDotsOf(layout, moduleWidth);
    r.currentRow = 0;
    r.repeatsLeft = 0;
    r.started = false;
    r.bitPosition = 0;
}

bool nextLine(RowRenderer &r) {
    if (r.repeatsLeft > 0) {
        --r.repeatsLeft;
        return true;
    }
    const uint16_t row = r.started ? static_cast<uint16_t>(r.currentRow + 1) : 0;
    if (row >= r.layout->symbolRows) return false;
    r.started = true;
    r.currentRow = row;
    drawRow(r, row);
    r.repeatsLeft = static_cast<uint16_t>(r.rowHeightDots - 1);
    return true;
}

uint32_t symbolWidthDots(const Pdf417Layout &layout, uint16_t moduleWidth) {
    return static_cast<uint32_t>(symbolWidthModules(layout.symbolType, layout.dataColumns)) *
           moduleWidth;
}

uint32_t symbolHeightDots(const Pdf417Layout &layout, uint16_t moduleWidth) {
    return static_cast<uint32_t>(rowHeightDotsOf(layout, moduleWidth)) * layout.symbolRows;
}

int32_t renderSymbol(const Pdf417Layout &layout, uint16_t moduleWidth) {
    startRaster(renderer, layout, moduleWidth);
    clearRows();
    const uint16_t lineBytes = static_cast<uint16_t>((symbolWidthDots(layout, moduleWidth) + 7) / 8);
    while (nextLine(renderer))
        if (appendRow(renderer.line, lineBytes) != 0) return -1;
    return 0;
}

}  // namespace barsize::pdf417
