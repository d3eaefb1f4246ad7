// Character tables of the linear symbologies (data only; the encoders hold
// the logic). Pattern words are left-aligned, first element or module in the
// most significant bit: for element runs 1 = wide, for module runs 1 = bar.
#pragma once

#include <cstdint>

namespace barsize::linear {

// Code 128 values 0 to 105 (11 modules); 106 is the stop with its
// termination bar (13 modules).
extern const uint16_t kCode128Patterns[107];
constexpr int kCode128Stop = 106;
constexpr int kCode128StopModules = 13;

// Code 93 values 0 to 46 (9 modules): "0-9A-Z-. $/+%", then the shift
// characters ($) (%) (/) (+).
extern const uint16_t kCode93Patterns[47];
constexpr uint16_t kCode93Start = 0xAF00;  // 9 modules
constexpr uint16_t kCode93Stop = 0xAF40;   // stop and termination bar, 10 modules

// Full-ASCII Code 93: each byte 0 to 127 as one or two code values.
struct Code93Ascii {
    uint8_t count;
    uint8_t values[2];
};
extern const Code93Ascii kCode93FullAscii[128];

// Code 39: the 43 data characters in value order, their 9-element patterns,
// and the start/stop character '*'.
constexpr char kCode39Characters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
extern const uint16_t kCode39Patterns[43];
constexpr uint16_t kCode39StartStop = 0x4A00;

// Codabar: the 20 characters (A to D are start/stop) and their 7 elements.
constexpr char kCodabarCharacters[] = "0123456789-$:/.+ABCD";
extern const uint16_t kCodabarPatterns[20];

// ITF digits, 5 elements in bits 7 to 3; start and stop runs.
extern const uint8_t kItfPatterns[10];
constexpr uint16_t kItfStart = 0x0000;  // 4 narrow elements
constexpr uint16_t kItfStop = 0x8000;   // wide bar, narrow space, narrow bar

// EAN/UPC digits, 7 modules in bits 7 to 1: set A (left, odd parity),
// set B (left, even parity), set C (right).
extern const uint8_t kEanSetA[10];
extern const uint8_t kEanSetB[10];
extern const uint8_t kEanSetC[10];
constexpr uint8_t kEanNormalGuard = 0xA0;  // 3 modules
constexpr uint8_t kEanCentreGuard = 0x50;  // 5 modules
constexpr uint8_t kUpcEEndGuard = 0x54;    // 6 modules

// Parity of six left-hand digits, bit 5 for the first: 1 = set B. EAN-13
// by its first digit; UPC-E (number system 0) by its check digit.
extern const uint8_t kEan13Parity[10];
extern const uint8_t kUpcEParity[10];

// Every byte's position in a character set, or -1: one lookup per data byte.
struct CharacterIndex {
    int8_t position[256];
};

constexpr CharacterIndex makeCharacterIndex(const char *set, int count) {
    CharacterIndex t{};
    for (int b = 0; b < 256; ++b) t.position[b] = -1;
    for (int i = 0; i < count; ++i) t.position[static_cast<uint8_t>(set[i])] = static_cast<int8_t>(i);
    return t;
}

constexpr CharacterIndex kCode39Index = makeCharacterIndex(kCode39Characters, 43);
constexpr CharacterIndex kCodabarIndex = makeCharacterIndex(kCodabarCharacters, 20);

}  // namespace barsize::linear
