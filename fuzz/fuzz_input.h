// Reads a fuzz input as call arguments: each 32-bit argument is introduced
// by one tag byte that says whether it is a small number, an ASCII digit, a
// boundary value or four raw bytes, so the fuzzer reaches limits and bit
// patterns alike. Whatever remains after the arguments is the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace barsize::fuzz {

// Values at and around every limit the exports check.
constexpr uint32_t kBoundaryValues[] = {
    0,     1,     2,     3,      6,      7,      8,      9,      13,         16,
    17,    30,    31,    32,     33,     40,     41,     48,     49,         50,
    51,    56,    57,    72,     73,     76,     90,     91,     141,        255,
    256,   640,   641,   7089,   7090,   65532,  65533,  65535,  65536,      65537,
    65536 + 48, 65536 + 49, 65536 + 72, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
constexpr size_t kBoundaryCount = sizeof kBoundaryValues / sizeof kBoundaryValues[0];

// Tag byte, low two bits.
enum ArgTag : uint8_t {
    kTagSmall = 0,     // next byte as a number 0..255
    kTagDigit = 1,     // '0' + next byte % 10
    kTagBoundary = 2,  // kBoundaryValues[next byte % count]
    kTagRaw = 3        // next four bytes, little-endian
};

struct FuzzInput {
    const uint8_t *bytes;
    size_t size;
    size_t at;
};

inline uint8_t takeByte(FuzzInput &in) { return in.at < in.size ? in.bytes[in.at++] : 0; }

inline uint32_t takeArg(FuzzInput &in) {
    const uint8_t tag = takeByte(in) & 3;
    switch (tag) {
        case kTagSmall: return takeByte(in);
        case kTagDigit: return '0' + takeByte(in) % 10u;
        case kTagBoundary: return kBoundaryValues[takeByte(in) % kBoundaryCount];
        default: {
            uint32_t v = 0;
            for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(takeByte(in)) << (8 * i);
            return v;
        }
    }
}

inline int32_t takeInt(FuzzInput &in) { return static_cast<int32_t>(takeArg(in)); }

// How the length argument relates to the bytes that follow.
enum LengthMode : uint8_t {
    kLengthExact = 0,       // the data's own size, buffer exactly that size
    kLengthHighBits = 1,    // size + 65536 * k: the same low 16 bits
    kLengthHuge = 2,        // far beyond the buffer (0, -1, 65535, 2^31 - 1, ...)
};

inline LengthMode takeLengthMode(FuzzInput &in) {
    return static_cast<LengthMode>(takeByte(in) % 3);
}

}  // namespace barsize::fuzz
