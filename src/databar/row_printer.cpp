// The row printer: element widths to one raster line, then the row's lines.
#include <cstring>

#include "databar/engine.h"
#include "interface/raster_bits.h"

namespace barsize::databar {

namespace {

constexpr int64_t kMaxLinePixels = int64_t{kLineBufferBytes - 1} * 8;

// Builds one line into lineBuffer, keeping beside it the undercut line (the
// new bits AND what lineBuffer held before).
struct LineWriter {
    EngineState *engine;
    int64_t pixels;    // pixels written so far
    uint8_t pending;   // the byte being filled
    bool tooLong;
};

void storeByte(LineWriter &line, int64_t index, uint8_t value) {
    EngineState &e = *line.engine;
    e.undercutBuffer[index] = static_cast<uint8_t>(e.lineBuffer[index] & value);
    e.lineBuffer[index] = value;
}

void writeRun(LineWriter &line, bool dark, int64_t count) {
    if (count <= 0 || line.tooLong) return;
    if (line.pixels + count > kMaxLinePixels) {
        line.tooLong = true;
        return;
    }
    // Up to the end of the pending byte at a time.
    while (count > 0) {
        const int bit = static_cast<int>(line.pixels & 7);
        const int take = count < 8 - bit ? static_cast<int>(count) : 8 - bit;
        if (dark) line.pending = static_cast<uint8_t>(line.pending | api::dotMask(static_cast<uint32_t>(bit), static_cast<uint32_t>(take)));
        line.pixels += take;
        count -= take;
        if (bit + take == 8) {
            storeByte(line, line.pixels / 8 - 1, line.pending);
            line.pending = 0;
        }
    }
}

int64_t elementWidth(const ElementRow &row, int32_t k) {
    const int32_t index = row.reversed ? row.elementCount - 1 - k : k;
    return row.widths[index];
}

// Appends `count` copies of `line` to the raster, never past rasterSize.
void appendLines(DataBarRequest &request, const uint8_t *line, int32_t bytes, int64_t count) {
    EngineState &e = engineState();
    for (int64_t i = 0; i < count; ++i) {
        if (int64_t{e.rasterOffset} + bytes > int64_t{request.rasterSize}) return;
        std::memcpy(request.raster + e.rasterOffset, line, static_cast<size_t>(bytes));
        e.rasterOffset += static_cast<uint32_t>(bytes);
    }
}

}  // namespace

int32_t printElementRow(DataBarRequest &request, const ElementRow &row) {
    EngineState &e = engineState();
    if (e.newSymbolPending) {
        std::memset(e.lineBuffer, 0, sizeof e.lineBuffer);
        e.newSymbolPending = false;
    }
    const int64_t module = request.pixelsPerModule;
    bool firstDark = row.lightFirst == 0;
    if (row.reversed && row.elementCount % 2 == 0) firstDark = !firstDark;
    const int64_t adjust = firstDark ? -int64_t{request.barReduction} : request.barReduction;
    const int32_t count = row.elementCount > 0 ? row.elementCount : 0;

    LineWriter line = {&e, 0, 0, false};
    writeRun(line, false, row.leftPad * module);
    if (row.guards) {
        writeRun(line, firstDark, module + adjust);
        writeRun(line, !firstDark, module - adjust);
    }
    int32_t i = 0;
    for (; i < count - 1; i += 2) {
        writeRun(line, firstDark, elementWidth(row, i) * module + adjust);
        writeRun(line, !firstDark, elementWidth(row, i + 1) * module - adjust);
    }
    if (count % 2 == 1) {
        const int64_t last = elementWidth(row, count - 1) * module;
        if (row.guards) {
            writeRun(line, firstDark, last + adjust);
            writeRun(line, !firstDark, module - adjust);
            writeRun(line, firstDark, module);
        } else {
            writeRun(line, firstDark, last);
        }
    } else if (row.guards) {
        writeRun(line, firstDark, module + adjust);
        writeRun(line, !firstDark, module - adjust);
    }
    writeRun(line, false, row.rightPad * module);
    if (line.tooLong) {
        e.status = kEngineLineTooLong;
        return 0;
    }
    if (line.pixels % 8 != 0) storeByte(line, line.pixels / 8, line.pending);
    const int32_t bytes = static_cast<int32_t>((line.pixels + 7) / 8);

    if (request.raster != nullptr && request.outputMode == kOutputDraw) {
        const int64_t undercut = request.undercutLines > 0 ? request.undercutLines : 0;
        const int64_t lines = row.lineCount > 0 ? row.lineCount : 0;
        appendLines(request, e.undercutBuffer, bytes, undercut);
        appendLines(request, e.lineBuffer, bytes, lines > undercut ? lines - undercut : 0);
    }
    return bytes;
}

}  // namespace barsize::databar
