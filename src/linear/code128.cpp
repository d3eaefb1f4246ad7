// Code 128 from the caller's convention: a start selector "{A", "{B" or "{C",
// then characters of the set in effect and '{' escapes for function
// characters, SHIFT and code-set changes.
#include "linear/code128.h"

#include "linear/bar_row.h"
#include "linear/code128_sets.h"
#include "linear/hri.h"
#include "linear/linear.h"
#include "linear/linear_tables.h"

namespace barsize::linear {

namespace {

Code128Set otherOfAB(Code128Set set) { return set == kCode128SetA ? kCode128SetB : kCode128SetA; }

int32_t fail(Code128Values &out, int32_t status, int32_t at, bool inEscape, Code128Set set) {
    out.failedAt = at;
    out.failedInEscape = inEscape;
    out.failedSet = set;
    return status;
}

}  // namespace

int32_t code128Values(const uint8_t *data, int32_t length, Code128Values &out) {
    out.count = 0;
    out.hriCells = 0;
    out.failedAt = -1;
    out.failedInEscape = false;
    out.failedSet = kCode128SetA;
    if (length < 2 || length > 255) return -19;  // the dispatcher's job
    if (data[0] != kCode128Escape || data[1] < 'A' || data[1] > 'C')
        return fail(out, -39, data[0] != kCode128Escape ? 0 : 1, false, kCode128SetA);
    Code128Set current = static_cast<Code128Set>(data[1] - 'A');
    Code128Set inEffect = current;
    bool escapePending = false;
    out.values[out.count++] = static_cast<uint8_t>(kCode128StartA + current);

    for (int32_t i = 2; i < length; ++i) {
        const uint8_t byte = data[i];
        if (byte > 127) return fail(out, -29, i, escapePending, inEffect);
        if (escapePending) {
            escapePending = false;
            const Code128EscapeRow *row = code128EscapeRow(byte);
            if (row == nullptr || row->value[inEffect] < 0) return fail(out, -39, i, true, inEffect);
            out.values[out.count++] = static_cast<uint8_t>(row->value[inEffect]);
            switch (row->kind) {
                case kEscapeSwitchA: current = inEffect = kCode128SetA; break;
                case kEscapeSwitchB: current = inEffect = kCode128SetB; break;
                case kEscapeSwitchC: current = inEffect = kCode128SetC; break;
                case kEscapeShift: inEffect = otherOfAB(inEffect); break;
                case kEscapeBrace:
                    out.hriCells += 1;
                    inEffect = current;
                    break;
                case kEscapeFunction: inEffect = current; break;
            }
            continue;
        }
        if (byte == kCode128Escape) {
            escapePending = true;
            continue;
        }
        const int value = code128CharacterValue(inEffect, byte);
        if (value < 0) return fail(out, -39, i, false, inEffect);
        out.values[out.count++] = static_cast<uint8_t>(value);
        out.hriCells += inEffect == kCode128SetC ? 2 : 1;
        inEffect = current;
    }
    // An escape still pending at the end is dropped.

    int sum = out.values[0];
    for (int k = 1; k < out.count; ++k) sum += k * out.values[k];
    out.values[out.count++] = static_cast<uint8_t>(sum % 103);
    return 0;
}

int32_t measureCode128(const uint8_t *data, int32_t length, int32_t hriPosition,
                       int32_t charWidth, int32_t measure) {
    Code128Values symbol;
    const int32_t status = code128Values(data, length, symbol);
    if (status != 0) return status;
    for (int k = 0; k < symbol.count; ++k) appendModules(kCode128Patterns[symbol.values[k]], 11);
    appendModules(kCode128Patterns[kCode128Stop], kCode128StopModules);
    return finishLinear(symbol.hriCells, 11, 13, hriPosition, charWidth, measure);
}

}  // namespace barsize::linear
