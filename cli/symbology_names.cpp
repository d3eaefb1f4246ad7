#include "symbology_names.h"

#include <cctype>
#include <cstdlib>

namespace barsize::cli {

namespace {

struct Name {
    const char *key;
    int code;
    const char *shown;
};

constexpr Name kNames[] = {
    {"upca", 0, "UPC-A"},          {"upc-a", 0, "UPC-A"},       {"upce", 1, "UPC-E"},
    {"upc-e", 1, "UPC-E"},         {"ean13", 2, "EAN-13"},      {"ean-13", 2, "EAN-13"},
    {"ean8", 3, "EAN-8"},          {"ean-8", 3, "EAN-8"},       {"code39", 4, "Code 39"},
    {"itf", 5, "ITF"},             {"codabar", 6, "Codabar"},   {"code93", 7, "Code 93"},
    {"code128", 8, "Code 128"},    {"pdf417", 48, "PDF417"},    {"qr", 49, "QR Code"},
    {"databar-stacked-2d", 51, "GS1 DataBar stacked"},
    {"databar-omni", 75, "GS1 DataBar Omnidirectional"},
    {"databar-truncated", 76, "GS1 DataBar Truncated"},
    {"databar-limited", 77, "GS1 DataBar Limited"},
    {"databar-expanded", 78, "GS1 DataBar Expanded"},
};

}  // namespace

const char *const kLinearSymbologyNames =
    "upca upce ean13 ean8 code39 itf codabar code93 code128 databar-omni\n"
    "databar-truncated databar-limited databar-expanded, or the code 0-8, 75-78";

int symbologyFromName(const std::string &name) {
    std::string key;
    for (char c : name) key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (!key.empty() && std::isdigit(static_cast<unsigned char>(key[0]))) {
        char *end = nullptr;
        const long code = std::strtol(key.c_str(), &end, 10);
        return (*end == '\0' && code >= 0 && code < 1000) ? static_cast<int>(code) : -1;
    }
    for (const Name &n : kNames)
        if (key == n.key) return n.code;
    return -1;
}

std::string symbologyName(int code) {
    for (const Name &n : kNames)
        if (n.code == code) return n.shown;
    return "symbology " + std::to_string(code);
}

}  // namespace barsize::cli
