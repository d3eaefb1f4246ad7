// Data the benchmark cases encode: made once, outside the timing loops.
#pragma once

#include <cstddef>
#include <string>

namespace barsize::bench {

// "0123456789" repeated to n characters.
std::string digits(size_t n);
// Upper-case letters repeated to n characters.
std::string upperText(size_t n);
// Lower-case words and spaces: every character is a QR byte-mode character.
std::string lowerText(size_t n);
// A receipt line of mixed case, digits and punctuation, repeated to n bytes.
std::string receiptText(size_t n);
// n bytes spread over 0 to 255.
std::string binaryBytes(size_t n);
// n double-byte Shift JIS Kanji characters (2n bytes).
std::string shiftJisKanji(size_t n);
// The n / 2 code values of n digits as Code 128 set C bytes (each 0 to 99),
// and the same values as ASCII digit pairs.
std::string code128SetCValues(size_t n);
std::string code128SetCDigits(size_t n);

}  // namespace barsize::bench
