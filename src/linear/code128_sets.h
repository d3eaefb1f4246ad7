// Code 128 code sets and the caller's escape sequences ('{' and one byte).
#pragma once

#include <cstdint>

namespace barsize::linear {

enum Code128Set : uint8_t { kCode128SetA = 0, kCode128SetB = 1, kCode128SetC = 2 };

constexpr int kCode128StartA = 103;  // Start B and C follow: 104, 105
constexpr uint8_t kCode128Escape = '{';

// What an escape does besides appending its code value.
enum Code128EscapeKind : uint8_t {
    kEscapeFunction,  // FNC1 to FNC4
    kEscapeShift,     // the next character from the other of sets A and B
    kEscapeSwitchA,
    kEscapeSwitchB,
    kEscapeSwitchC,
    kEscapeBrace,     // the character '{' itself
};

struct Code128EscapeRow {
    uint8_t byte;        // the byte after '{'
    int8_t value[3];     // code value in set A, B, C; -1 = not allowed
    Code128EscapeKind kind;
};

constexpr Code128EscapeRow kCode128Escapes[] = {
    {'1', {102, 102, 102}, kEscapeFunction},  // FNC1
    {'2', {97, 97, -1}, kEscapeFunction},     // FNC2
    {'3', {96, 96, -1}, kEscapeFunction},     // FNC3
    {'4', {101, 100, -1}, kEscapeFunction},   // FNC4
    {'S', {98, 98, -1}, kEscapeShift},        // SHIFT
    {'A', {-1, 101, 101}, kEscapeSwitchA},    // CODE A
    {'B', {100, -1, 100}, kEscapeSwitchB},    // CODE B
    {'C', {99, 99, -1}, kEscapeSwitchC},      // CODE C
    {'{', {-1, 91, -1}, kEscapeBrace},        // '{'
};

// The escape row for the byte after '{', or null.
const Code128EscapeRow *code128EscapeRow(uint8_t byte);

// Code value of a data byte (not '{') in the set, or -1 if the set cannot
// encode it. Set C takes the byte as a binary number 0 to 99.
int code128CharacterValue(Code128Set set, uint8_t byte);

}  // namespace barsize::linear
