// Data compaction: input bytes to PDF417 data codewords.
#pragma once

#include <cstdint>

#include "pdf417/records.h"

namespace barsize::pdf417 {

// Reads the stored input: `next` consumes, `peek` looks ahead from the read
// position without consuming.
struct DataReader {
    const uint8_t *data;
    uint32_t length;
    uint32_t readPosition;       // next byte to consume
    uint32_t lookaheadPosition;  // next byte to inspect
};

void startReader(DataReader &reader, const uint8_t *data, uint32_t length);
bool readerAtEnd(const DataReader &reader);

// Fills the list (count 1, dataCapacity set) with codewords from the reader,
// until the input or the capacity is used up. The caller checks readerAtEnd.
void compact(DataReader &reader, CodewordList &list, const Pdf417Settings &settings);

}  // namespace barsize::pdf417
