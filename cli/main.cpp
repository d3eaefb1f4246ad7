// barsize: measure and draw barcodes the way the receipt printer will.
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

struct Command {
    const char *name;
    int (*run)(const barsize::cli::Args &);
    const char *summary;
};

constexpr Command kCommands[] = {
    {"width", barsize::cli::runWidth, "width in dots of a linear barcode"},
    {"render", barsize::cli::runRender, "draw a linear barcode to PNG, SVG or PBM"},
    {"qr", barsize::cli::runQr, "encode a QR Code (Model 1 or 2): size and picture"},
    {"pdf417", barsize::cli::runPdf417, "encode a PDF417 symbol: size and picture"},
    {"databar", barsize::cli::runDatabar, "encode a GS1 DataBar symbol: size and picture"},
    {"gallery", barsize::cli::runGallery, "one picture of every symbology, with an index.html"},
};

void printUsage(FILE *out) {
    std::fprintf(out,
                 "usage: barsize COMMAND [options] DATA\n\n"
                 "Tells how wide (and for 2D symbols how tall) a barcode prints, in printer\n"
                 "dots, and draws it. Commands:\n");
    for (const Command &c : kCommands) std::fprintf(out, "  %-8s %s\n", c.name, c.summary);
    std::fprintf(out,
                 "\nRun 'barsize COMMAND --help' for a command's options.\n"
                 "Example: barsize width code128 '{B'Hello --module 2\n");
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        printUsage(stderr);
        return barsize::cli::kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        printUsage(stdout);
        return barsize::cli::kExitOk;
    }
    for (const Command &c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(barsize::cli::Args(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "barsize: unknown command '%s'\n\n", argv[1]);
    printUsage(stderr);
    return barsize::cli::kExitUsage;
}
