// GF(256) arithmetic of QR Code's Reed-Solomon codes (x^8 + x^4 + x^3 + x^2 + 1,
// generator element 2), with the tables computed at compile time.
#pragma once

#include <cstdint>

namespace barsize::qrcode {

// The most error-correction codewords in one block (Model 1 version 9 at
// level H and version 10 at level M).
constexpr int kMaxEcPerBlock = 68;

struct GaloisTables {
    uint8_t power[256];     // 2^i for i = 0 to 254; power[255] = 1
    uint16_t logarithm[256]; // log of 1 to 255; logarithm[0] = 256 (no logarithm)
};

constexpr GaloisTables makeGaloisTables() {
    GaloisTables t{};
    unsigned x = 1;
    for (int i = 0; i < 255; ++i) {
        t.power[i] = static_cast<uint8_t>(x);
        t.logarithm[x] = static_cast<uint16_t>(i);
        x <<= 1;
        if (x & 0x100) x ^= 0x11D;
    }
    t.power[255] = 1;
    t.logarithm[0] = 256;
    return t;
}

inline constexpr GaloisTables kGalois = makeGaloisTables();

// Generator polynomials: entry E holds the product of (x - 2^i), i = 0 to
// E - 1, as the logarithms of its E coefficients below the leading one,
// highest power first.
struct GeneratorTables {
    uint16_t exponents[kMaxEcPerBlock + 1][kMaxEcPerBlock];  // 256 stands for a 0 coefficient
};

constexpr GeneratorTables makeGeneratorTables() {
    GeneratorTables g{};
    for (int degree = 1; degree <= kMaxEcPerBlock; ++degree) {
        // Coefficients as field elements, coefficient[0] the leading 1.
        uint8_t coefficient[kMaxEcPerBlock + 1] = {1};
        for (int i = 0; i < degree; ++i) {
            // Multiply by (x + 2^i): shift, then add 2^i times the old polynomial.
            const unsigned root = kGalois.logarithm[kGalois.power[i]];
            for (int j = i + 1; j > 0; --j) {
                const uint8_t c = coefficient[j - 1];
                const uint8_t product =
                    c == 0 ? 0 : kGalois.power[(kGalois.logarithm[c] + root) % 255];
                coefficient[j] = static_cast<uint8_t>(coefficient[j] ^ product);
            }
        }
        for (int j = 0; j < degree; ++j)
            g.exponents[degree][j] = kGalois.logarithm[coefficient[j + 1]];
    }
    return g;
}

inline constexpr GeneratorTables kGenerators = makeGeneratorTables();

}  // namespace barsize::qrcode
