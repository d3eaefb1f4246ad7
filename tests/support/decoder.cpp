#include "support/decoder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "linear/bar_row.h"

namespace barsize::test {

namespace {

std::string fromHex(const std::string &hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::vector<std::string> splitTabs(const std::string &line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

}  // namespace

std::vector<DecodeResult> decodeRasters(const std::vector<TestRaster> &rasters) {
    if (rasters.empty()) return {};
    char path[] = "/tmp/barsize-decode-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) throw std::runtime_error("cannot create a batch file for the decoder");
    close(fd);
    {
        std::ofstream batch(path);
        for (size_t i = 0; i < rasters.size(); ++i) {
            const TestRaster &r = rasters[i];
            batch << i << '\t' << r.width << '\t' << r.height << '\t' << r.scale << '\t'
                  << r.quietZone << '\t' << r.format << '\t';
            std::string pixels(static_cast<size_t>(r.width) * r.height, '0');
            for (size_t p = 0; p < pixels.size() && p < r.dark.size(); ++p)
                if (r.dark[p]) pixels[p] = '1';
            batch << pixels << '\n';
        }
    }
    const std::string command =
        std::string(BARSIZE_NODE) + " " + BARSIZE_DECODER_SCRIPT + " " + path + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        std::remove(path);
        throw std::runtime_error("cannot start node for the decoder");
    }
    // Read to the end; a read cut short by a signal (a caller's timer) is
    // simply read again.
    std::string output;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fileno(pipe), buffer, sizeof buffer);
        if (got > 0) {
            output.append(buffer, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    const int status = pclose(pipe);
    std::remove(path);
    if (status != 0)
        throw std::runtime_error("the decoder failed (run `make test-deps`?): " + output);

    std::vector<DecodeResult> results(rasters.size());
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = splitTabs(line);
        if (f.size() < 9) throw std::runtime_error("unexpected decoder output: " + line);
        const size_t id = std::stoul(f[0]);
        if (id >= results.size()) throw std::runtime_error("decoder answered an unknown id");
        DecodeResult &r = results[id];
        r.found = f[1] == "1";
        r.format = f[2];
        r.bytes = fromHex(f[3]);
        r.text = fromHex(f[4]);
        r.symbologyIdentifier = f[5];
        r.unusedErrorCorrection = std::stod(f[6]);
        r.extra = fromHex(f[7]);
        r.error = fromHex(f[8]);
    }
    return results;
}

TestRaster rasterFromBits(const uint8_t *bits, int width, int rows, int bytesPerRow,
                          const std::string &format, int scale) {
    TestRaster r;
    r.width = width;
    r.height = rows;
    r.scale = scale;
    r.format = format;
    r.dark.assign(static_cast<size_t>(width) * rows, 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            r.dark[static_cast<size_t>(y) * width + x] =
                (bits[static_cast<size_t>(y) * bytesPerRow + x / 8] >> (7 - x % 8)) & 1;
    return r;
}

TestRaster rasterFromImage(const SymbolImage &image, const std::string &format, int scale) {
    return rasterFromBits(static_cast<const uint8_t *>(image.pixels), image.width,
                          image.rowCount, image.bytesPerRow, format, scale);
}

TestRaster rasterFromBarRow(const std::string &format, int height, int scale) {
    const linear::BarRow &row = linear::barRow;
    TestRaster r;
    r.width = row.position;
    r.height = height;
    r.scale = scale;
    r.quietZone = 12 * row.moduleWidth;
    r.format = format;
    r.dark.assign(static_cast<size_t>(r.width) * height, 0);
    for (int x = 0; x < r.width; ++x)
        if (linear::barRowDot(row, x))
            for (int y = 0; y < height; ++y) r.dark[static_cast<size_t>(y) * r.width + x] = 1;
    return r;
}

}  // namespace barsize::test
