// Linear measuring statuses in words.
#pragma once

#include <string>

namespace barsize::cli {

// What a negative result of getBarCodeWidth means for this symbology and
// data, in one line.
std::string explainLinearStatus(int symbology, int status, const std::string &data);

}  // namespace barsize::cli
