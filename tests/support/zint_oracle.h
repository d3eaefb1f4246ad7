// zint, the independent encoder some tests compare our symbols with.
#pragma once

#include <string>
#include <vector>

namespace barsize::test {

// Whether the zint command is installed.
bool zintAvailable();

// The rows of the symbol zint draws for `data` with the given options
// (e.g. "--barcode=58 --vers=3 --mask=0"), one string of '0'/'1' modules per
// row; empty if zint fails. The data goes through a file, so any bytes pass.
std::vector<std::string> zintRows(const std::string &options, const std::string &data);

}  // namespace barsize::test
