// The DataBar driver sizes a symbol in one engine pass and draws it in a
// second: after any successful DataBar call, sizing the drawn request again
// must give exactly the size it was drawn at, and the raster the drawing pass
// wrote must lie inside the DataBar raster buffer.
#pragma once

#include "databar/engine.h"
#include "databar/passes.h"
#include "fuzz_checks.h"

namespace barsize::fuzz {

inline void checkDataBarPassesAgree() {
    using namespace barsize::databar;
    const DataBarRequest drawn = lastDataBarRequest();
    DataBarRequest sized = drawn;
    sized.raster = nullptr;
    sized.outputMode = kOutputSizeOnly;
    FUZZ_CHECK(runDataBarEngine(sized) >= 0);
    FUZZ_CHECK(sized.symbolWidth == drawn.symbolWidth);
    FUZZ_CHECK(sized.symbolHeight == drawn.symbolHeight);
    FUZZ_CHECK(sized.bytesPerRow == drawn.bytesPerRow);
    FUZZ_CHECK(sized.rasterLines == drawn.rasterLines);
    FUZZ_CHECK(sized.rasterSize == drawn.rasterSize);
    FUZZ_CHECK(drawn.bytesPerRow > 0 && drawn.rasterLines > 0);
    FUZZ_CHECK(static_cast<int64_t>(drawn.bytesPerRow) * drawn.rasterLines <= kRasterBytes);
    FUZZ_CHECK(engineState().rasterOffset <= static_cast<uint32_t>(kRasterBytes));
}

}  // namespace barsize::fuzz
