// Symbol layout: capacity before compaction, rows and columns after it, and
// the codeword matrix with its row indicators.
#pragma once

#include <cstdint>

#include "pdf417/records.h"

namespace barsize::pdf417 {

// Width of the symbol in modules.
uint16_t symbolWidthModules(uint16_t symbolType, uint16_t dataColumns);

// Sets count 1 and the capacities. 0, or -17 when error correction leaves
// fewer than two codewords for data.
int32_t fixCapacity(const Pdf417Settings &settings, CodewordList &list);

// Chooses level, rows, columns and pads after compaction. 0 or -7.
int32_t chooseLayout(const Pdf417Settings &settings, CodewordList &list, Pdf417Layout &layout);

// chooseLayout, then pads, length descriptor and error correction into the
// list and the whole matrix. The list's count is unchanged. 0 or -7.
int32_t buildMatrix(const Pdf417Settings &settings, CodewordList &list, Pdf417Layout &layout);

}  // namespace barsize::pdf417
