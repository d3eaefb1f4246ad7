// The separator printed directly above or below a row with guards.
#include "databar/engine.h"

namespace barsize::databar {

namespace {

// Output elements alternate from light at index 0; pushing a colour equal to
// the last element's widens that element instead.
struct SeparatorBuilder {
    uint8_t *widths;
    int32_t count;
};

bool isLightIndex(int32_t index) { return index % 2 == 0; }

void push(SeparatorBuilder &out, bool light, int32_t width) {
    if (width <= 0) return;
    if (out.count > 0 && isLightIndex(out.count - 1) == light) {
        out.widths[out.count - 1] = static_cast<uint8_t>(out.widths[out.count - 1] + width);
        return;
    }
    if (out.count == 0 && !light) return;  // never reached: every separator starts light
    if (out.count >= kSeparatorCapacity) return;
    out.widths[out.count++] = static_cast<uint8_t>(width);
}

// `modules` one-module elements alternating dark, light, ... from dark.
void pushAlternating(SeparatorBuilder &out, int32_t modules) {
    for (int32_t j = 0; j < modules; ++j) push(out, j % 2 == 1, 1);
}

bool lightInRow(const ElementRow &row, int32_t j) { return (j % 2 == 0) == (row.lightFirst != 0); }

}  // namespace

const ElementRow &makeSeparatorRow(const DataBarRequest &request, const ElementRow &row) {
    EngineState &e = engineState();
    SeparatorBuilder out = {e.separatorWidths, 0};
    const int32_t n = row.elementCount > 0 ? row.elementCount : 0;
    const uint8_t *w = row.widths;

    // Leading light area: the guard pair and the first elements up to 5 modules.
    int32_t count = 2;
    int32_t k = 0;
    while (count < 5 && k < n) count += w[k++];
    if (k > 0 && lightInRow(row, k - 1)) {
        push(out, true, 4);
        push(out, false, count - 4);
    } else {
        push(out, true, count);
    }

    // The complement, with the narrow pattern under each finder's 13-module core.
    int32_t i = k;
    while (i < n) {
        if (i + 2 < n && w[i] + w[i + 1] + w[i + 2] == 13) {
            if (lightInRow(row, i)) {
                pushAlternating(out, w[i]);
                push(out, true, w[i + 1]);
                pushAlternating(out, w[i + 2]);
                if (i + 3 < n) push(out, true, w[i + 3]);
                i += 4;
            } else if (w[i + 1] == 1) {
                push(out, true, 10);
                push(out, false, 1);
                push(out, true, 2);
                i += 3;
            } else {
                push(out, true, w[i]);
                pushAlternating(out, w[i + 1]);
                push(out, true, w[i + 2]);
                i += 3;
            }
            continue;
        }
        push(out, !lightInRow(row, i), w[i]);
        ++i;
    }

    // Trailing light area: the guard pair and the last elements up to 5 modules.
    count = 2;
    int32_t m = out.count;
    while (count < 5 && m > 0) count += out.widths[--m];
    if (m < out.count) {
        if (isLightIndex(m)) {
            out.widths[m] = static_cast<uint8_t>(count);
            out.count = m + 1;
        } else if (m + 1 < kSeparatorCapacity) {
            out.widths[m] = static_cast<uint8_t>(count - 4);
            out.widths[m + 1] = 4;
            out.count = m + 2;
        }
    }

    ElementRow &separator = e.separator;
    separator.elementCount = out.count;
    separator.leftPad = row.leftPad;
    separator.rightPad = row.rightPad;
    separator.guards = 0;
    separator.lineCount = request.separatorHeight;
    separator.lightFirst = 1;
    separator.reversed = row.reversed;
    separator.widths = e.separatorWidths;
    return separator;
}

}  // namespace barsize::databar
