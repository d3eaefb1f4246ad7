#include "linear/bar_row.h"

#include "interface/raster_bits.h"

#include <cstring>

namespace barsize::linear {

BarRow barRow;

namespace {

using api::kExpandedModules;
using api::kMaxTableModuleWidth;

// ORs dots (first dot in bit 63, at most 56 of them) into the row from dot x;
// the caller keeps x + 64 inside the row.
void paintDots(int32_t x, uint64_t dots) {
    if (dots != 0) api::orDotWord(barRow.bits, static_cast<uint32_t>(x), dots);
}

// Advances the row by width dots, painting them when bar is set. Dots past
// the image are counted but not painted.
void advance(int32_t width, bool bar) {
    if (bar && width > 0 && width <= 56 && barRow.position >= 0 &&
        barRow.position + 64 <= kBarRowMaxDots) {
        paintDots(barRow.position, ~uint64_t{0} << (64 - width));
    } else if (bar) {
        const int32_t end = barRow.position + width < kBarRowMaxDots ? barRow.position + width
                                                                     : kBarRowMaxDots;
        if (barRow.position >= 0 && end > barRow.position)
            api::darkenDots(barRow.bits, static_cast<uint32_t>(barRow.position),
                            static_cast<uint32_t>(end));
    }
    barRow.position += width;
}

int32_t elementWidth(bool wide) { return wide ? wideWidth(barRow.moduleWidth) : barRow.moduleWidth; }

}  // namespace

void resetBarRow(int32_t moduleWidth) {
    // Clear only what the previous symbol painted.
    int32_t used = (barRow.position + 7) / 8;
    if (used < 0 || used > static_cast<int32_t>(sizeof barRow.bits)) used = sizeof barRow.bits;
    std::memset(barRow.bits, 0, static_cast<size_t>(used));
    barRow.moduleWidth = moduleWidth;
    barRow.position = 0;
}

int32_t appendElements(uint16_t pattern, int n) {
    if (n > 16) n = 16;
    const int32_t narrow = barRow.moduleWidth;
    const int32_t wide = wideWidth(narrow);
    // Bars gathered into one word and written when it is full; the far end
    // of the row goes dot by dot.
    if (narrow >= 1 && wide <= 56 && barRow.position >= 0 &&
        barRow.position + 16 * wide + 64 <= kBarRowMaxDots) {
        uint64_t gathered = 0;
        int32_t gatheredDots = 0;
        int32_t gatheredStart = barRow.position;
        for (int i = 0; i < n; ++i) {
            const int32_t width = ((pattern >> (15 - i)) & 1) != 0 ? wide : narrow;
            if (gatheredDots + width > 56) {
                paintDots(gatheredStart, gathered);
                gatheredStart += gatheredDots;
                gathered = 0;
                gatheredDots = 0;
            }
            if ((i & 1) == 0) gathered |= (~uint64_t{0} << (64 - width)) >> gatheredDots;
            gatheredDots += width;
        }
        paintDots(gatheredStart, gathered);
        barRow.position = gatheredStart + gatheredDots;
        return barRow.position;
    }
    for (int i = 0; i < n; ++i) advance(elementWidth(((pattern >> (15 - i)) & 1) != 0), (i & 1) == 0);
    return barRow.position;
}

int32_t appendModules(uint16_t pattern, int n) {
    if (n > 16) n = 16;
    if (n < 1) return barRow.position;
    const int32_t w = barRow.moduleWidth;
    const int32_t start = barRow.position;
    const int32_t dots = n * w;
    // Eight modules at a time, each as w dots from the table, written a
    // word at a time; the far end of the row goes dot by dot.
    if (w >= 1 && w <= kMaxTableModuleWidth && start >= 0 &&
        start + dots + 64 <= kBarRowMaxDots) {
        int32_t x = start;
        for (int half = 0; half < 2 && half * 8 < n; ++half) {
            const int modules = n - half * 8 < 8 ? n - half * 8 : 8;
            const uint8_t eight = static_cast<uint8_t>(
                (pattern >> (8 - half * 8)) & (0xFF00u >> modules) & 0xFFu);
            paintDots(x, kExpandedModules.dots[w][eight]);
            x += modules * w;
        }
        barRow.position = start + dots;
        return barRow.position;
    }
    for (int i = 0; i < n; ++i) advance(w, ((pattern >> (15 - i)) & 1) != 0);
    return barRow.position;
}

int32_t appendDigitPair(uint8_t first, uint8_t second) {
    for (int k = 0; k < 5; ++k) {
        advance(elementWidth(((first >> (7 - k)) & 1) != 0), true);
        advance(elementWidth(((second >> (7 - k)) & 1) != 0), false);
    }
    return barRow.position;
}

}  // namespace barsize::linear
