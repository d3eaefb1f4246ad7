// What every subcommand shares: the options common to all, reading the data,
// writing pictures and printing JSON.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"

namespace barsize::cli {

// Options every subcommand accepts.
struct CommonOptions {
    std::string file;      // --file PATH: read the data from a file ("-" = stdin)
    bool escapes = false;  // --escapes: \xNN and \\ in the data stand for bytes
    bool json = false;     // --json: print one JSON object instead of the summary
    std::string output;    // -o FILE: write the symbol (.png, .svg or .pbm)
    int quietZone = -1;    // --quiet-zone N (modules); -1 = the subcommand's default
    int dpi = 203;         // --dpi N: printer resolution for millimetres
    bool help = false;     // --help / -h
};

// If args[i] is a common option, stores it (taking its value from args[i+1]
// when it has one), advances i past it and returns true. Sets error on a bad
// value.
bool takeCommonOption(const Args &args, size_t &i, CommonOptions &options, std::string &error);

// Reads an integer option value; false (with error set) if missing or not a number.
bool takeIntValue(const Args &args, size_t &i, long &value, std::string &error);

// The same, and the value must lie in [low, high]; else error is
// "OPTION takes RANGETEXT".
bool takeIntInRange(const Args &args, size_t &i, long &value, long low, long high,
                    const char *rangeText, std::string &error);

// args[i] is neither a common option nor one of the subcommand's own: an
// unknown option is an error, anything else (including "-") an operand.
void takeOperand(const Args &args, size_t &i, std::vector<std::string> &operands,
                 std::string &error);

// Prints a usage error of a subcommand and returns the usage exit code.
int usageError(const std::string &command, const std::string &error);

// The data to encode: the positional argument if given, else --file, else
// stdin (binary-safe). Applies \xNN escapes when asked. False with error set
// if there is none.
bool readData(const CommonOptions &options, const std::vector<std::string> &positionals,
              size_t index, std::string &data, std::string &error);

// A one-bit picture, one byte per pixel (1 = dark), row major.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> dark;
};

// Reads width x rows pixels from a packed raster (most significant bit leftmost).
Bitmap bitmapFromRaster(const uint8_t *bits, int width, int rows, int bytesPerRow);

// Writes the picture, each pixel scaleX x scaleY output pixels, with a light
// margin of quietX / quietY pixels (before scaling) around it. The format
// follows the file's extension: .png, .svg or .pbm. False with error set on
// failure.
bool writeImage(const std::string &path, const Bitmap &bitmap, int scaleX, int scaleY,
                int quietX, int quietY, std::string &error);

// JSON: fields are rendered values, in order.
using JsonFields = std::vector<std::pair<std::string, std::string>>;
std::string jsonString(const std::string &text);
std::string jsonNumber(long value);
std::string jsonObject(const JsonFields &fields);

// Dots as millimetres at the given resolution, e.g. "12.3".
std::string millimetres(long dots, int dpi);

// The data shown to a person: printable ASCII as is, other bytes as \xNN.
std::string printable(const std::string &data);

// The first line every subcommand prints on success:
//   TITLE "DATA": W x H dots (w x h mm at D dpi)
// or, with height < 0 (a linear width),
//   TITLE "DATA": W dots wide (w mm at D dpi)
// Long data is shortened with "...".
std::string summaryLine(const std::string &title, const std::string &data, long width,
                        long height, int dpi);

// The fields every --json object starts with (height and heightMm only when
// height >= 0; width and the millimetres only on success).
JsonFields commonJsonFields(const std::string &symbology, const std::string &data, int status,
                            long width, long height, int dpi);

// Reports refused data: one line in words on stderr (or the JSON object on
// stdout with --json) and returns the exit code for a refusal.
int reportRefusal(const std::string &command, const CommonOptions &options,
                  const std::string &symbology, const std::string &data, int status,
                  const std::string &message);

// The help text of the common options, for each subcommand's --help.
extern const char *const kCommonOptionsHelp;

}  // namespace barsize::cli
