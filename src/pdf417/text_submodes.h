// Text compaction: byte classes and sub-mode values (data only).
#pragma once

#include <cstdint>

namespace barsize::pdf417 {

enum TextSubmode : uint8_t { kUpper = 0, kLower = 1, kMixed = 2, kPunctuation = 3 };

// Class bits of a byte value.
enum : uint8_t {
    kClassUpper = 1,
    kClassLower = 2,
    kClassMixed = 4,
    kClassPunctuation = 8,
    kClassDigit = 16,
    kClassText = kClassUpper | kClassLower | kClassMixed | kClassPunctuation
};

extern const uint8_t kTextClass[256];

// kTextValue[submode][byte]: the character's value in that sub-mode, -1 if
// the sub-mode lacks it. Only bytes below 128 can be text.
extern const int8_t kTextValue[4][128];

// Switch values inside text compaction; a value means different switches in
// different sub-modes.
enum : uint8_t {
    kLatchPunctuationFromMixed = 25,
    kLatchLower = 27,             // from upper or mixed
    kShiftUpper = 27,             // from lower
    kLatchMixed = 28,             // from upper or lower
    kLatchUpperFromMixed = 28,
    kShiftPunctuation = 29,       // from upper, lower or mixed
    kLatchUpperFromPunctuation = 29,
    kPadValue = 29                // completes a last unpaired value
};

}  // namespace barsize::pdf417
