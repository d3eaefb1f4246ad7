// Names a person types for the symbology codes.
#pragma once

#include <string>

namespace barsize::cli {

// The code for a name ("code128", "ean13", "databar-omni", ...) or a number
// ("8"); -1 if unknown.
int symbologyFromName(const std::string &name);

// The name shown for a code ("Code 128"); "symbology N" if unknown.
std::string symbologyName(int code);

// The names accepted, for help texts.
extern const char *const kLinearSymbologyNames;

}  // namespace barsize::cli
