#include "linear/code128_sets.h"

namespace barsize::linear {

const Code128EscapeRow *code128EscapeRow(uint8_t byte) {
    for (const Code128EscapeRow &row : kCode128Escapes)
        if (row.byte == byte) return &row;
    return nullptr;
}

int code128CharacterValue(Code128Set set, uint8_t byte) {
    switch (set) {
        case kCode128SetA:
            if (byte < 32) return byte + 64;
            if (byte < 96) return byte - 32;
            return -1;
        case kCode128SetB:
            if (byte >= 32 && byte <= 126) return byte - 32;
            if (byte == 127) return 95;
            return -1;
        case kCode128SetC:
            return byte < 100 ? byte : -1;
    }
    return -1;
}

}  // namespace barsize::linear
