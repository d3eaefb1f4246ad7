#include "linear_status_text.h"

#include <cstdio>

#include "linear/code128.h"
#include "linear/linear_limits.h"
#include "linear/linear_tables.h"
#include "symbology_names.h"

namespace barsize::cli {

namespace {

// A byte as a person reads it: 'a', or \xNN when it is not printable.
std::string shownByte(unsigned char byte) {
    char text[8];
    if (byte >= 32 && byte <= 126)
        std::snprintf(text, sizeof text, "'%c'", byte);
    else
        std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

bool isDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

bool inSet(const char *set, unsigned char byte) {
    for (const char *c = set; *c != '\0'; ++c)
        if (static_cast<unsigned char>(*c) == byte) return true;
    return false;
}

// Index of the first byte that is not a digit / not in the set / above 127.
size_t firstNonDigit(const std::string &data) {
    size_t i = 0;
    while (i < data.size() && isDigit(static_cast<unsigned char>(data[i]))) ++i;
    return i;
}

size_t firstOutside(const std::string &data, const char *set) {
    size_t i = 0;
    while (i < data.size() && inSet(set, static_cast<unsigned char>(data[i]))) ++i;
    return i;
}

size_t firstAbove127(const std::string &data) {
    size_t i = 0;
    while (i < data.size() && static_cast<unsigned char>(data[i]) <= 127) ++i;
    return i;
}

std::string at(const std::string &data, size_t index) {
    if (index >= data.size()) return "none found";
    return shownByte(static_cast<unsigned char>(data[index])) + " at byte " + std::to_string(index);
}

std::string lengthText(int symbology, const std::string &data) {
    const std::string name = symbologyName(symbology);
    const std::string given = " (" + std::to_string(data.size()) + " given)";
    if (symbology == 5) return name + " data must be an even number of digits, 2 to 254" + given;
    const linear::LinearLimit &limit = linear::kLinearLimits[symbology];
    if (limit.maximum == limit.minimum + 1)
        return name + " data must be " + std::to_string(limit.minimum) + " or " +
               std::to_string(limit.maximum) + " digits" + given;
    return name + " data must be " + std::to_string(limit.minimum) + " to " +
           std::to_string(limit.maximum) + " bytes" + given;
}

std::string code128Text(int status, const std::string &data) {
    linear::Code128Values values;
    const int32_t again = linear::code128Values(reinterpret_cast<const uint8_t *>(data.data()),
                                                static_cast<int32_t>(data.size()), values);
    if (again != status || values.failedAt < 0)
        return "Code 128 data is not valid (status " + std::to_string(status) + ")";
    const size_t index = static_cast<size_t>(values.failedAt);
    const char setName = static_cast<char>('A' + values.failedSet);
    if (status == -29) return "Code 128 data holds a byte above 127: " + at(data, index);
    if (index < 2) return "Code 128 data must start with {A, {B or {C";
    if (values.failedInEscape) {
        const unsigned char byte = static_cast<unsigned char>(data[index]);
        std::string escape = "{";
        if (byte >= 32 && byte <= 126)
            escape.push_back(static_cast<char>(byte));
        else
            escape += shownByte(byte);
        return "Code 128 escape " + escape + " at byte " + std::to_string(index - 1) +
               " is not allowed in set " + setName;
    }
    return std::string("Code 128 set ") + setName + " cannot encode " + at(data, index);
}

}  // namespace

std::string explainLinearStatus(int symbology, int status, const std::string &data) {
    const std::string name = symbologyName(symbology);
    const bool databar = symbology >= 75 && symbology <= 78;
    switch (status) {
        case -99: return "the data pointer is null";
        case -3: return "module width must be 2 to 6 dots";
        case -4: return "HRI position must be 0 to 3";
        case -5: return "HRI character width must be 0 to 2 or 6 to 32 dots";
        case -6: return "measure must be 0 (larger), 1 (bars) or 2 (text)";
        case -10: return name + " is not a linear symbology";
        default: break;
    }
    if (databar) {
        switch (status) {
            case -12: return name + " data must be 13 digits (" + std::to_string(data.size()) + " given)";
            case -20: return name + " data must be digits only";
            case -15: return name + ": the element string was rejected";
            case -1: return name + ": the symbol could not be built from this data";
            default: break;
        }
    }
    if (symbology >= 0 && symbology <= 8 && status == -11 - symbology)
        return lengthText(symbology, data);
    switch (status) {
        case -21:
        case -22:
        case -23:
        case -24:
        case -26:
            return name + " data holds a non-digit: " + at(data, firstNonDigit(data));
        case -25:
            return name + " data holds a character outside its set: " +
                   at(data, firstOutside(data, linear::kCode39Characters));
        case -27:
            return name + " data holds a character outside its set: " +
                   at(data, firstOutside(data, linear::kCodabarCharacters));
        case -28:
            return name + " data holds a byte above 127: " + at(data, firstAbove127(data));
        case -32:
            return "UPC-E: " + data +
                   " cannot be zero-suppressed (number system 0 only, with its zeros where "
                   "UPC-E can leave them out)";
        case -37:
            if (data.empty()) break;
            return "Codabar data must begin and end with A, B, C or D (it begins with " +
                   shownByte(static_cast<unsigned char>(data.front())) + " and ends with " +
                   shownByte(static_cast<unsigned char>(data.back())) + ")";
        case -29:
        case -39:
            if (symbology == 8) return code128Text(status, data);
            break;
        default: break;
    }
    return name + ": status " + std::to_string(status);
}

}  // namespace barsize::cli
