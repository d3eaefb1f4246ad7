// Request validation, dispatch by symbol type and the size record.
#include <cstring>

#include "databar/builders.h"
#include "databar/engine.h"
#include "databar/expanded.h"
#include "databar/limited.h"

namespace barsize::databar {

namespace {
EngineState gEngine;
}  // namespace

EngineState &engineState() { return gEngine; }

int32_t expandedSegmentsPerRow(int32_t printableWidth, int32_t pixelsPerModule) {
    if (pixelsPerModule < 1) return 2;
    const int32_t pairs = (printableWidth / pixelsPerModule - 4) / 49;
    return 2 * (pairs > 1 ? pairs : 1);
}

void setSymbolSize(DataBarRequest &request, int64_t width, int64_t height) {
    const int64_t kMax = INT32_MAX;
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width > kMax) width = kMax;
    if (height > kMax) height = kMax;
    const int64_t bytesPerRow = (width + 7) / 8;
    const int64_t rasterSize = height * (bytesPerRow + 8);
    request.bytesPerRow = static_cast<int32_t>(bytesPerRow);
    request.symbolWidth = static_cast<int32_t>(width);
    request.symbolHeight = static_cast<int32_t>(height);
    request.rasterLines = static_cast<int32_t>(height);
    request.rasterSize = static_cast<int32_t>(rasterSize > kMax ? kMax : rasterSize);
}

bool beginDrawing(const DataBarRequest &request) {
    if (request.outputMode == kOutputSizeOnly) {
        gEngine.status = kEngineSized;
        return false;
    }
    if (request.outputMode != kOutputDraw) {
        gEngine.status = kEngineBadOutputMode;
        return false;
    }
    gEngine.newSymbolPending = true;
    return true;
}

int32_t runDataBarEngine(DataBarRequest &request) {
    gEngine.status = kEngineDrawn;
    gEngine.rasterOffset = 0;
    request.bytesPerRow = 0;
    request.symbolHeight = 0;
    request.symbolWidth = 0;
    request.rasterLines = 0;
    request.rasterSize = 0;
    std::memset(gEngine.workData, 0, sizeof gEngine.workData);
    // Longer data would leave workData unterminated.
    if (request.dataLength > static_cast<uint32_t>(kMaxDataLength)) {
        gEngine.status = kEngineDataLength;
        return gEngine.status;
    }
    if (request.data != nullptr) std::memcpy(gEngine.workData, request.data, request.dataLength);

    switch (request.symbolType) {
    case kTypeOmni:
    case kTypeTruncated:
        buildOmniSymbol(request);
        break;
    case kTypeStacked:
        buildStackedSymbol(request);
        break;
    case kTypeStackedOmni:
        buildStackedOmniSymbol(request);
        break;
    case kTypeLimited:
        buildLimitedSymbol(request);
        break;
    case kTypeExpanded:
        request.segmentsPerRow =
            expandedSegmentsPerRow(request.printableWidth, request.pixelsPerModule);
        buildExpandedSymbol(request);
        break;
    default:
        gEngine.status = kEngineBadType;
        break;
    }
    return gEngine.status;
}

}  // namespace barsize::databar
