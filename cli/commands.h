// The subcommands of the barsize tool. Each takes the arguments after its
// name and returns the exit code: 0 success, 1 the library refused the data,
// 2 a usage error.
#pragma once

#include <string>
#include <vector>

namespace barsize::cli {

using Args = std::vector<std::string>;

int runWidth(const Args &args);
int runRender(const Args &args);
int runQr(const Args &args);
int runPdf417(const Args &args);
int runDatabar(const Args &args);
int runGallery(const Args &args);

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

}  // namespace barsize::cli
