// GS1 element strings as people write them, "(01)09501101530003(10)AB",
// turned into the bare data string the symbols encode ('#' = FNC1).
#pragma once

#include <cstdint>

namespace barsize::databar {

constexpr int32_t kMaxElementStringOutput = 2435;

struct ElementString {
    char text[kMaxElementStringOutput + 1];  // terminated
    int32_t length;
};

// Converts at most `length` bytes of `text`, ending early at a zero byte.
// Brackets are dropped; {1 is FNC1, {( {) {* {{ the characters themselves;
// a '*' after exactly 13 digits becomes their check digit. False (output
// empty) for a character outside the accepted set, a bad or unfinished
// escape, or more than 2435 output characters.
bool convertElementString(const uint8_t *text, uint32_t length, ElementString &out);

// The GS1 check digit of 13 digits (weights 3, 1, 3, ... from the first).
char gs1CheckDigit(const char *digits13);

}  // namespace barsize::databar
