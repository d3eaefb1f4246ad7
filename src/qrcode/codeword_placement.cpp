// Codeword placement: Model 2's two-column zigzag over the data area, and
// Model 1's rectangular blocks of eight modules.
#include "qrcode/error_correction.h"
#include "qrcode/matrix.h"

namespace barsize::qrcode {

namespace {

void placeModel2() {
    interleaveCodewords();
    const int n = qrState.moduleCount;
    const int total = versionRow(Model2, qrState.versionIndex).totalCodewords;
    const uint8_t *codewords = qrState.interleaved;
    // The codeword bits not yet placed, next one in bit 63; past the last
    // codeword only 0 bits follow, which leave the remaining modules light.
    uint64_t window = 0;
    int available = 0;
    int nextByte = 0;
    bool upward = true;
    for (int right = n - 1; right >= 1; right -= 2) {
        if (right == 6) right = 5;
        // The pair of columns, right one first: byte and bit within a plane row.
        const int byte0 = right >> 3, shift0 = right & 7;
        const int byte1 = (right - 1) >> 3, shift1 = (right - 1) & 7;
        for (int step = 0; step < n; ++step) {
            if (available < 2) {
                while (available <= 56 && nextByte < total) {
                    window |= uint64_t{codewords[nextByte++]} << (56 - available);
                    available += 8;
                }
                if (available < 2) available = 64;  // only 0 bits are left
            }
            const int row = upward ? n - 1 - step : step;
            const uint8_t *area = qrState.dataAreaPlane[row];
            uint8_t *dark = qrState.darkPlane[row];
            const unsigned take0 = (area[byte0] >> shift0) & 1u;
            dark[byte0] = static_cast<uint8_t>(dark[byte0] | ((static_cast<unsigned>(window >> 63) & take0) << shift0));
            window <<= take0;
            available -= static_cast<int>(take0);
            const unsigned take1 = (area[byte1] >> shift1) & 1u;
            dark[byte1] = static_cast<uint8_t>(dark[byte1] | ((static_cast<unsigned>(window >> 63) & take1) << shift1));
            window <<= take1;
            available -= static_cast<int>(take1);
        }
        upward = !upward;
    }
}

void addBlock(bool columnBlock, int column, int row, int &nextCodeword, uint8_t extension) {
    if (qrState.model1BlockCount >= kMaxModel1Blocks) return;
    const int16_t codeword = extension != 0 ? int16_t{-1} : static_cast<int16_t>(nextCodeword++);
    qrState.model1Blocks[qrState.model1BlockCount++] =
        QrBlock{columnBlock, static_cast<uint8_t>(column), static_cast<uint8_t>(row), codeword, extension};
}

// The module of bit k (0 = most significant) of a block.
void blockModule(const QrBlock &b, int k, int &row, int &column) {
    if (b.columnBlock) {
        row = b.row - k / 2;
        column = b.column - k % 2;
    } else {
        row = b.row - k / 4;
        column = b.column - k % 4;
    }
}

void placeModel1() {
    const int n = qrState.moduleCount;
    listModel1Blocks(n);
    for (int i = 0; i < qrState.model1BlockCount; ++i) {
        const QrBlock &b = qrState.model1Blocks[i];
        const uint8_t value = b.codeword < 0 ? b.extensionValue : qrState.dataStream[b.codeword];
        for (int k = 0; k < 8; ++k) {
            if (!((value >> (7 - k)) & 1)) continue;
            int row, column;
            blockModule(b, k, row, column);
            setPlaneBit(qrState.darkPlane, row, column);
        }
    }
}

}  // namespace

void listModel1Blocks(int n) {
    qrState.model1BlockCount = 0;
    int next = 0;
    // Right band: two columns, with the right-edge extension patterns.
    for (int r = n - 1; r > 8; r -= 4) {
        const bool extension = r != n - 1 && r > 12 && ((n - 1 - r) / 4) % 2 == 0;
        addBlock(true, n - 1, r, next, extension ? 0xAA : 0);
    }
    for (int r = n - 1; r > 8; r -= 4) addBlock(true, n - 3, r, next, 0);
    for (int r = n - 1; r > 8; r -= 2) addBlock(false, n - 5, r, next, 0);
    // Bands of four columns, each headed by a bottom-edge block.
    for (int c = n - 9; c > 8; c -= 4) {
        const bool extension = c > 12 && ((n - 1 - c) / 4) % 2 == 0;
        addBlock(false, c, n - 1, next, extension ? 0xF0 : 0);
        // Rows 5 and 6 would take the timing row: from there the blocks
        // cover rows 4-5, 2-3 and 0-1.
        for (int r = n - 3; r > 0; r -= 2) {
            if (r == 6) r = 5;
            addBlock(false, c, r, next, 0);
        }
    }
    // Left of the finder patterns' column: columns 7-8, 4-5, 2-3, 0-1.
    static const int kLeftColumns[4] = {8, 5, 3, 1};
    for (int c : kLeftColumns)
        for (int r = n - 9; r > 8; r -= 4) addBlock(true, c, r, next, 0);
}

void placeCodewords() {
    if (qrState.model == Model2) placeModel2();
    else placeModel1();
}

}  // namespace barsize::qrcode
