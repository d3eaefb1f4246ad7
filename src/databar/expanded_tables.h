// Character tables of the Expanded data encodation, built at compile time.
#pragma once

#include <cstdint>

namespace barsize::databar {

// Character class flags, one entry per byte value; 0 = not encodable.
enum : uint8_t {
    kClassNumeric = 1,       // may be written in numeric mode
    kClassFnc1 = 2,          // '#', standing for FNC1
    kClassAlphanumeric = 4,  // in the alphanumeric set
    kClassIso646 = 8,        // in the ISO 646 set
    kClassEnd = 128          // the terminating zero byte
};

struct ByteTable {
    uint8_t at[256];
};

namespace tables {

constexpr ByteTable makeCharClasses() {
    ByteTable t{};
    t.at[0] = kClassEnd;
    for (int c = '0'; c <= '9'; ++c) t.at[c] = kClassNumeric | kClassAlphanumeric | kClassIso646;
    t.at[static_cast<unsigned char>('#')] = kClassNumeric | kClassFnc1 | kClassAlphanumeric | kClassIso646;
    for (int c = 'A'; c <= 'Z'; ++c) t.at[c] = kClassAlphanumeric | kClassIso646;
    const char upperPunctuation[] = "*,-./";
    for (int i = 0; upperPunctuation[i] != 0; ++i)
        t.at[static_cast<uint8_t>(upperPunctuation[i])] = kClassAlphanumeric | kClassIso646;
    for (int c = 'a'; c <= 'z'; ++c) t.at[c] = kClassIso646;
    const char isoOnly[] = " !\"%&'()+:;<=>?_";
    for (int i = 0; isoOnly[i] != 0; ++i) t.at[static_cast<uint8_t>(isoOnly[i])] = kClassIso646;
    return t;
}

constexpr ByteTable makeIso646Punctuation() {
    ByteTable t{};
    t.at[static_cast<unsigned char>('!')] = 232;
    t.at[static_cast<unsigned char>('"')] = 233;
    const char run[] = "%&'()*+,-./:;<=>?";  // 234 to 250
    for (int i = 0; run[i] != 0; ++i) t.at[static_cast<uint8_t>(run[i])] = static_cast<uint8_t>(234 + i);
    t.at[static_cast<unsigned char>('_')] = 251;
    t.at[static_cast<unsigned char>(' ')] = 252;
    return t;
}

constexpr ByteTable makeAlphanumericPunctuation() {
    ByteTable t{};
    const char run[] = "*,-./";  // 58 to 62
    for (int i = 0; run[i] != 0; ++i) t.at[static_cast<uint8_t>(run[i])] = static_cast<uint8_t>(58 + i);
    return t;
}

}  // namespace tables

inline constexpr ByteTable kExpandedCharClass = tables::makeCharClasses();

// 8-bit ISO 646 values of the punctuation characters and the space (0: none).
inline constexpr ByteTable kIso646Punctuation = tables::makeIso646Punctuation();

// 6-bit alphanumeric values of * , - . / (0: none).
inline constexpr ByteTable kAlphanumericPunctuation = tables::makeAlphanumericPunctuation();

}  // namespace barsize::databar
