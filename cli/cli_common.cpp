#include "cli_common.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace barsize::cli {

const char *const kCommonOptionsHelp =
    "  --file PATH        read the data from PATH ('-' for stdin); without DATA or\n"
    "                     --file the data is read from stdin\n"
    "  --escapes          \\xNN in the data stands for the byte NN, \\\\ for a backslash\n"
    "  -o FILE            write the symbol to FILE (.png, .svg or .pbm)\n"
    "  --quiet-zone N     light margin around the picture, in modules\n"
    "  --dpi N            printer resolution for millimetres (default 203)\n"
    "  --json             print one JSON object with every figure\n"
    "  -h, --help         this help\n";

bool takeIntValue(const Args &args, size_t &i, long &value, std::string &error) {
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a number";
        return false;
    }
    const std::string &text = args[i + 1];
    char *end = nullptr;
    value = std::strtol(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0') {
        error = "option " + args[i] + " needs a number, not '" + text + "'";
        return false;
    }
    i += 2;
    return true;
}

bool takeIntInRange(const Args &args, size_t &i, long &value, long low, long high,
                    const char *rangeText, std::string &error) {
    const std::string name = args[i];
    if (!takeIntValue(args, i, value, error)) return false;
    if (value >= low && value <= high) return true;
    error = name + " takes " + rangeText;
    return false;
}

void takeOperand(const Args &args, size_t &i, std::vector<std::string> &operands,
                 std::string &error) {
    const std::string &a = args[i];
    if (a.size() > 1 && a[0] == '-') {
        error = "unknown option " + a;
        return;
    }
    operands.push_back(a);
    ++i;
}

int usageError(const std::string &command, const std::string &error) {
    std::fprintf(stderr, "barsize %s: %s\n(see barsize %s --help)\n", command.c_str(),
                 error.c_str(), command.c_str());
    return kExitUsage;
}

bool takeCommonOption(const Args &args, size_t &i, CommonOptions &options, std::string &error) {
    const std::string &a = args[i];
    long number = 0;
    if (a == "--help" || a == "-h") {
        options.help = true;
        ++i;
        return true;
    }
    if (a == "--escapes") {
        options.escapes = true;
        ++i;
        return true;
    }
    if (a == "--json") {
        options.json = true;
        ++i;
        return true;
    }
    if (a == "--file" || a == "-o" || a == "--output") {
        if (i + 1 >= args.size()) {
            error = "option " + a + " needs a value";
            return true;
        }
        (a == "--file" ? options.file : options.output) = args[i + 1];
        i += 2;
        return true;
    }
    if (a == "--dpi") {
        if (takeIntInRange(args, i, number, 1, 10000, "1 to 10000", error))
            options.dpi = static_cast<int>(number);
        return true;
    }
    if (a == "--quiet-zone") {
        if (takeIntInRange(args, i, number, 0, 1000, "0 to 1000 modules", error))
            options.quietZone = static_cast<int>(number);
        return true;
    }
    return false;
}

namespace {

bool applyEscapes(const std::string &in, std::string &out, std::string &error) {
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out.push_back(in[i]);
            continue;
        }
        if (i + 1 < in.size() && in[i + 1] == '\\') {
            out.push_back('\\');
            ++i;
            continue;
        }
        auto hexDigit = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        if (i + 3 < in.size() && in[i + 1] == 'x' && hexDigit(in[i + 2]) >= 0 &&
            hexDigit(in[i + 3]) >= 0) {
            out.push_back(static_cast<char>(hexDigit(in[i + 2]) * 16 + hexDigit(in[i + 3])));
            i += 3;
            continue;
        }
        error = "bad escape at byte " + std::to_string(i) + " (use \\xNN or \\\\)";
        return false;
    }
    return true;
}

}  // namespace

bool readData(const CommonOptions &options, const std::vector<std::string> &positionals,
              size_t index, std::string &data, std::string &error) {
    std::string raw;
    if (index < positionals.size()) {
        if (!options.file.empty()) {
            error = "give the data either as an argument or with --file, not both";
            return false;
        }
        raw = positionals[index];
    } else if (!options.file.empty() && options.file != "-") {
        std::ifstream in(options.file, std::ios::binary);
        if (!in) {
            error = "cannot read " + options.file;
            return false;
        }
        raw.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::ios::sync_with_stdio(false);
        raw.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    if (!options.escapes) {
        data = raw;
        return true;
    }
    return applyEscapes(raw, data, error);
}

Bitmap bitmapFromRaster(const uint8_t *bits, int width, int rows, int bytesPerRow) {
    Bitmap b;
    b.width = width;
    b.height = rows;
    b.dark.assign(static_cast<size_t>(width) * rows, 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            b.dark[static_cast<size_t>(y) * width + x] =
                (bits[static_cast<size_t>(y) * bytesPerRow + x / 8] >> (7 - x % 8)) & 1;
    return b;
}

namespace {

std::string extensionOf(const std::string &path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos) return "";
    std::string ext = path.substr(dot + 1);
    for (char &c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Whether output pixel (x, y) of the scaled, margined picture is dark.
bool darkAt(const Bitmap &b, int scaleX, int scaleY, int quietX, int quietY, int x, int y) {
    const int bx = x / scaleX - quietX;
    const int by = y / scaleY - quietY;
    if (bx < 0 || by < 0 || bx >= b.width || by >= b.height) return false;
    return b.dark[static_cast<size_t>(by) * b.width + bx] != 0;
}

bool writePbm(const std::string &path, const Bitmap &b, int sx, int sy, int qx, int qy,
              std::string &error) {
    const int w = (b.width + 2 * qx) * sx, h = (b.height + 2 * qy) * sy;
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    out << "P4\n" << w << ' ' << h << '\n';
    std::vector<uint8_t> row(static_cast<size_t>((w + 7) / 8));
    for (int y = 0; y < h; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < w; ++x)
            if (darkAt(b, sx, sy, qx, qy, x, y)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.write(reinterpret_cast<const char *>(row.data()), static_cast<std::streamsize>(row.size()));
    }
    return static_cast<bool>(out);
}

bool writePng(const std::string &path, const Bitmap &b, int sx, int sy, int qx, int qy,
              std::string &error) {
    const int w = (b.width + 2 * qx) * sx, h = (b.height + 2 * qy) * sy;
    FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot write " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        error = "cannot encode PNG " + path;
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 1,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>((w + 7) / 8));
    for (int y = 0; y < h; ++y) {
        std::fill(row.begin(), row.end(), 0xFF);  // gray 1 = white
        for (int x = 0; x < w; ++x)
            if (darkAt(b, sx, sy, qx, qy, x, y)) row[x / 8] &= static_cast<uint8_t>(~(0x80 >> (x % 8)));
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool writeSvg(const std::string &path, const Bitmap &b, int sx, int sy, int qx, int qy,
              std::string &error) {
    const int w = (b.width + 2 * qx) * sx, h = (b.height + 2 * qy) * sy;
    std::ofstream out(path);
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << w << "\" height=\"" << h
        << "\" viewBox=\"0 0 " << w << ' ' << h << "\" shape-rendering=\"crispEdges\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n<path fill=\"#000\" d=\"";
    // One horizontal run of dark pixels per path segment.
    for (int y = 0; y < b.height; ++y) {
        int x = 0;
        while (x < b.width) {
            if (!b.dark[static_cast<size_t>(y) * b.width + x]) {
                ++x;
                continue;
            }
            int end = x;
            while (end < b.width && b.dark[static_cast<size_t>(y) * b.width + end]) ++end;
            out << 'M' << (x + qx) * sx << ' ' << (y + qy) * sy << 'h' << (end - x) * sx << 'v'
                << sy << 'h' << -(end - x) * sx << 'z';
            x = end;
        }
    }
    out << "\"/>\n</svg>\n";
    return static_cast<bool>(out);
}

}  // namespace

bool writeImage(const std::string &path, const Bitmap &bitmap, int scaleX, int scaleY,
                int quietX, int quietY, std::string &error) {
    if (scaleX < 1 || scaleY < 1 || quietX < 0 || quietY < 0) {
        error = "bad picture scale";
        return false;
    }
    const std::string ext = extensionOf(path);
    if (ext == "png") return writePng(path, bitmap, scaleX, scaleY, quietX, quietY, error);
    if (ext == "svg") return writeSvg(path, bitmap, scaleX, scaleY, quietX, quietY, error);
    if (ext == "pbm") return writePbm(path, bitmap, scaleX, scaleY, quietX, quietY, error);
    error = "unknown picture format '" + path + "' (use .png, .svg or .pbm)";
    return false;
}

std::string jsonString(const std::string &text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    return out + "\"";
}

std::string jsonNumber(long value) { return std::to_string(value); }

std::string jsonObject(const JsonFields &fields) {
    std::string out = "{";
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) out += ", ";
        out += jsonString(fields[i].first) + ": " + fields[i].second;
    }
    return out + "}";
}

std::string millimetres(long dots, int dpi) {
    // Tenths of a millimetre, rounded half up: dots * 254 / dpi.
    const long tenths = (dots * 254 * 10 / dpi + 5) / 10;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string printable(const std::string &data) {
    std::string out;
    for (unsigned char c : data) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
            out += buffer;
        }
    }
    return out;
}

std::string summaryLine(const std::string &title, const std::string &data, long width,
                        long height, int dpi) {
    std::string shown = printable(data);
    if (shown.size() > 60) shown = shown.substr(0, 57) + "...";
    std::string line = title + " \"" + shown + "\": ";
    if (height < 0)
        return line + std::to_string(width) + " dots wide (" + millimetres(width, dpi) + " mm at " +
               std::to_string(dpi) + " dpi)";
    return line + std::to_string(width) + " x " + std::to_string(height) + " dots (" +
           millimetres(width, dpi) + " x " + millimetres(height, dpi) + " mm at " +
           std::to_string(dpi) + " dpi)";
}

JsonFields commonJsonFields(const std::string &symbology, const std::string &data, int status,
                            long width, long height, int dpi) {
    JsonFields fields = {{"symbology", jsonString(symbology)},
                         {"data", jsonString(data)},
                         {"status", jsonNumber(status)}};
    if (status != 0) return fields;
    fields.push_back({"width", jsonNumber(width)});
    if (height >= 0) fields.push_back({"height", jsonNumber(height)});
    fields.push_back({"widthMm", millimetres(width, dpi)});
    if (height >= 0) fields.push_back({"heightMm", millimetres(height, dpi)});
    fields.push_back({"dpi", jsonNumber(dpi)});
    return fields;
}

int reportRefusal(const std::string &command, const CommonOptions &options,
                  const std::string &symbology, const std::string &data, int status,
                  const std::string &message) {
    if (options.json) {
        JsonFields fields = commonJsonFields(symbology, data, status, 0, -1, options.dpi);
        fields.push_back({"message", jsonString(message)});
        std::printf("%s\n", jsonObject(fields).c_str());
    } else {
        std::fprintf(stderr, "barsize %s: %s (status %d)\n", command.c_str(), message.c_str(), status);
    }
    return kExitRefused;
}

}  // namespace barsize::cli
