// Reed-Solomon error correction and the order codewords are placed in.
#pragma once

#include <cstdint>

namespace barsize::qrcode {

// How the codewords of one version and level divide into blocks.
struct QrBlockLayout {
    int dataCodewords;    // D
    int totalCodewords;   // T
    int blocks;           // B
    int ecPerBlock;       // E
    int shortBlockData;   // data codewords of a short block (D / B)
    int shortBlocks;      // Model 2: B - D mod B; Model 1: B (all blocks equal)
    int leftover;         // Model 1: codewords after the last block, 0 to 4
};

QrBlockLayout blockLayout();

// The E error-correction codewords of `length` data codewords.
void computeBlockRemainder(const uint8_t *data, int length, int ecCount, uint8_t *out);

// Writes every block's error-correction codewords behind the data in
// qrState.dataStream (and Model 1's leftover codewords after them).
void addErrorCorrection();

// Model 2: all codewords in placement order into qrState.interleaved.
void interleaveCodewords();

}  // namespace barsize::qrcode
