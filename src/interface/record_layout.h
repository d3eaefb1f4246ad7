// The records that cross the library boundary, field by field. The host
// declares them itself (C, C#), so every offset is fixed; on 32-bit targets,
// the product's, SymbolImage is the 24-byte record the host allocates.
#pragma once

#include <cstddef>
#include <cstdint>

#include "barsize.h"

namespace barsize::api {

static_assert(sizeof(Pdf417Params) == 14, "Pdf417Params is 14 bytes");
static_assert(offsetof(Pdf417Params, columns) == 0 && offsetof(Pdf417Params, rows) == 2 &&
                  offsetof(Pdf417Params, moduleWidth) == 4 &&
                  offsetof(Pdf417Params, rowHeight) == 6 && offsetof(Pdf417Params, ecMode) == 8 &&
                  offsetof(Pdf417Params, ecValue) == 10 && offsetof(Pdf417Params, options) == 12,
              "Pdf417Params fields at 0, 2, ... 12");

static_assert(sizeof(QrParams) == 6, "QrParams is 6 bytes");
static_assert(offsetof(QrParams, model) == 0 && offsetof(QrParams, moduleSize) == 2 &&
                  offsetof(QrParams, ecLevel) == 4,
              "QrParams fields at 0, 2, 4");

static_assert(sizeof(StackedParams) == 4, "StackedParams is 4 bytes");
static_assert(offsetof(StackedParams, moduleWidth) == 0 &&
                  offsetof(StackedParams, rowWidthLimit) == 2,
              "StackedParams fields at 0, 2");

static_assert(offsetof(SymbolImage, width) == 0 && offsetof(SymbolImage, height) == 2 &&
                  offsetof(SymbolImage, bytesPerRow) == 4 &&
                  offsetof(SymbolImage, rowCount) == 6 && offsetof(SymbolImage, scaleX) == 8 &&
                  offsetof(SymbolImage, scaleY) == 10,
              "SymbolImage sizes and scales at 0 to 10");

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(void *) == 4, "32-bit target");
static_assert(sizeof(SymbolImage) == 24, "SymbolImage is 24 bytes");
static_assert(offsetof(SymbolImage, pixels) == 12 && offsetof(SymbolImage, extraTopRows) == 16 &&
                  offsetof(SymbolImage, extraBottomRows) == 18 &&
                  offsetof(SymbolImage, extraWidth) == 20 && offsetof(SymbolImage, reserved) == 22,
              "SymbolImage pixels at 12, extras at 16 to 20, reserved at 22");
#else
// 64-bit hosts: the same order with a native pointer at 16.
static_assert(sizeof(SymbolImage) == 32, "SymbolImage is 32 bytes on 64-bit hosts");
static_assert(offsetof(SymbolImage, pixels) == 16 && offsetof(SymbolImage, extraTopRows) == 24 &&
                  offsetof(SymbolImage, extraBottomRows) == 26 &&
                  offsetof(SymbolImage, extraWidth) == 28 && offsetof(SymbolImage, reserved) == 30,
              "SymbolImage pixels at 16, extras at 24 to 28, reserved at 30");
#endif

}  // namespace barsize::api
