#include "databar/element_string.h"

namespace barsize::databar {

namespace {

bool isAccepted(uint8_t c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
    case ' ': case '!': case '"': case '%': case '&': case '\'': case '(': case ')':
    case '*': case '+': case ',': case '-': case '.': case '/': case ':': case ';':
    case '<': case '=': case '>': case '?': case '_': case '{':
        return true;
    default:
        return false;
    }
}

// The character an escape "{c" stands for, or 0 if there is none.
char escaped(uint8_t c) {
    switch (c) {
    case '1': return '#';
    case '(': return '(';
    case ')': return ')';
    case '*': return '*';
    case '{': return '{';
    default: return 0;
    }
}

bool append(ElementString &out, char c) {
    if (out.length >= kMaxElementStringOutput) return false;
    out.text[out.length++] = c;
    out.text[out.length] = 0;
    return true;
}

bool allDigits(const char *text, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

bool fail(ElementString &out) {
    out.length = 0;
    out.text[0] = 0;
    return false;
}

}  // namespace

char gs1CheckDigit(const char *digits13) {
    int32_t sum = 0;
    for (int32_t i = 0; i < 13; ++i) sum += (digits13[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

bool convertElementString(const uint8_t *text, uint32_t length, ElementString &out) {
    out.length = 0;
    out.text[0] = 0;
    uint32_t end = 0;
    while (end < length && text[end] != 0) {
        if (!isAccepted(text[end])) return fail(out);
        ++end;
    }
    for (uint32_t i = 0; i < end; ++i) {
        const uint8_t c = text[i];
        if (c == '{') {
            if (i + 1 >= end) return fail(out);
            const char produced = escaped(text[++i]);
            if (produced == 0 || !append(out, produced)) return fail(out);
        } else if (c == '(' || c == ')') {
            continue;
        } else if (c == '*' && out.length == 13) {
            if (allDigits(out.text, 13) && !append(out, gs1CheckDigit(out.text))) return fail(out);
        } else if (!append(out, static_cast<char>(c))) {
            return fail(out);
        }
    }
    return true;
}

}  // namespace barsize::databar
