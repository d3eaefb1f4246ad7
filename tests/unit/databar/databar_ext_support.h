// Runs the DataBar engine the way the front ends do (a sizing pass, then a
// drawing pass) for the Limited and Expanded tests.
#pragma once

#include <string>
#include <vector>

#include "databar/engine.h"
#include "support/decoder.h"

namespace barsize::databar::test {

struct EngineRun {
    int32_t sizingStatus = 0;
    int32_t drawingStatus = 0;
    DataBarRequest request{};
    std::vector<uint8_t> raster;
};

inline EngineRun runEngine(uint32_t symbolType, const std::string &data, int32_t pixelsPerModule,
                           int32_t rowHeight, int32_t printableWidth = 640) {
    EngineRun run;
    DataBarRequest &q = run.request;
    q.symbolType = symbolType;
    q.pixelsPerModule = pixelsPerModule;
    q.separatorHeight = pixelsPerModule;
    q.segmentsPerRow = 22;
    q.dataLength = static_cast<uint32_t>(data.size());
    q.data = data.c_str();
    q.rowHeight = rowHeight;
    q.secondRowHeight = rowHeight;
    q.printableWidth = printableWidth;
    q.outputMode = kOutputSizeOnly;
    run.sizingStatus = runDataBarEngine(q);
    if (run.sizingStatus < 0) return run;
    run.raster.assign(static_cast<size_t>(q.rasterSize), 0);
    q.raster = run.raster.data();
    q.outputMode = kOutputDraw;
    run.drawingStatus = runDataBarEngine(q);
    return run;
}

inline barsize::test::TestRaster rasterOf(const EngineRun &run, const std::string &format) {
    return barsize::test::rasterFromBits(run.raster.data(), run.request.symbolWidth,
                                         run.request.rasterLines, run.request.bytesPerRow, format,
                                         2);
}

// The first raster line of a run, '1' = dark, one character per dot.
inline std::string firstLine(const EngineRun &run) {
    std::string modules;
    for (int32_t x = 0; x < run.request.symbolWidth; ++x)
        modules += ((run.raster[x / 8] >> (7 - x % 8)) & 1) ? '1' : '0';
    return modules;
}

}  // namespace barsize::databar::test
