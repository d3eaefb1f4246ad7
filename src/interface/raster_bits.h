// Writing dots into rows of the raster format every encoder produces: one
// bit per dot, 1 = dark, the most significant bit of a byte leftmost.
#pragma once

#include <cstdint>
#include <cstring>

namespace barsize::api {

// Bits of a byte from dot `bit` (0 = leftmost) for `take` dots.
inline uint8_t dotMask(uint32_t bit, uint32_t take) {
    return static_cast<uint8_t>((0xFFu >> bit) & ~(0xFFu >> (bit + take)));
}

// Darkens dots [start, end) of a row, a byte at a time.
inline void darkenDots(uint8_t *row, uint32_t start, uint32_t end) {
    for (uint32_t x = start; x < end;) {
        const uint32_t bit = x & 7;
        const uint32_t take = end - x < 8 - bit ? end - x : 8 - bit;
        row[x >> 3] = static_cast<uint8_t>(row[x >> 3] | dotMask(bit, take));
        x += take;
    }
}

// ORs a word of dots (the first dot in bit 63, at most 56 of them) into a
// row from dot x; the caller keeps the eight bytes from x / 8 inside the row.
inline void orDotWord(uint8_t *row, uint32_t x, uint64_t dots) {
    const uint64_t shifted = dots >> (x & 7);
    uint8_t *out = row + (x >> 3);
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // The eight bytes as one word, most significant byte first in memory.
    uint64_t word;
    std::memcpy(&word, out, 8);
    word |= __builtin_bswap64(shifted);
    std::memcpy(out, &word, 8);
#else
    for (int k = 0; k < 8; ++k) out[k] = static_cast<uint8_t>(out[k] | (shifted >> (56 - 8 * k)));
#endif
}

// Eight modules (a byte, first module in bit 7) drawn at w dots per module,
// the first dot in bit 63; for w = 1 to 7, so a byte fits in 56 dots.
constexpr int kMaxTableModuleWidth = 7;

struct ExpandedModules {
    uint64_t dots[kMaxTableModuleWidth + 1][256];
};

constexpr ExpandedModules makeExpandedModules() {
    ExpandedModules t{};
    for (int w = 1; w <= kMaxTableModuleWidth; ++w)
        for (int byte = 0; byte < 256; ++byte) {
            uint64_t v = 0;
            for (int m = 0; m < 8; ++m)
                if ((byte >> (7 - m)) & 1)
                    for (int d = 0; d < w; ++d) v |= uint64_t{1} << (63 - (m * w + d));
            t.dots[w][byte] = v;
        }
    return t;
}

inline constexpr ExpandedModules kExpandedModules = makeExpandedModules();

}  // namespace barsize::api
