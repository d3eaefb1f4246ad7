// The QR Code encoder's working state: one process-wide record of fixed-size
// buffers, rebuilt by every call.
#pragma once

#include <cstdint>

#include "qrcode/qr_tables.h"

namespace barsize::qrcode {

// Segment modes; the order matters (merging takes the larger of two modes).
enum QrMode : uint8_t { Numeric = 0, Alphanumeric = 1, Byte = 2, Kanji = 3, EndOfData = 4 };

enum QrModel : uint8_t { Model1 = 0, Model2 = 1 };

// A run of the data encoded in one mode. length counts bytes (a Kanji
// character is two); text is its first byte in the input copy.
struct QrSegment {
    QrMode mode;
    uint16_t length;
    const uint8_t *text;
};

constexpr int kMaxInputBytes = 7089;      // the most any version holds (7,089 digits)
constexpr int kSegmentLimit = 200;        // analysis reads no further after this many
constexpr int kMaxSegments = kSegmentLimit + 3;  // plus the window emptied at the end
constexpr int kMaxModules = 177;          // version 40
constexpr int kPlaneBytes = 23;           // 184 modules per plane row
constexpr int kRasterRowBytes = 80;
constexpr int kStreamBytes = 3808;
constexpr int kMaxCodewords = 3706;       // Model 2 version 40
constexpr int kMaxModel1Blocks = 640;     // placement blocks of Model 1 version 14, with room

// A Model 1 placement block: eight modules in a 2 x 4 (column block) or
// 4 x 2 (row block) rectangle, its bits most significant first from (row, column).
// codeword is the index of the codeword it takes, or -1 for an extension
// pattern block with the fixed value extensionValue.
struct QrBlock {
    bool columnBlock;
    uint8_t column;
    uint8_t row;
    int16_t codeword;
    uint8_t extensionValue;
};

struct QrState {
    QrModel model;
    uint8_t level;        // 0 L, 1 M, 2 Q, 3 H
    uint16_t moduleSize;  // dots per module, 1 to 16

    uint8_t inputCopy[kMaxInputBytes];
    uint16_t inputLength;

    QrSegment segmentList[kMaxSegments];
    uint16_t segmentCount;
    QrSegment pendingSegments[4];
    uint16_t unreadBytes;  // bytes the last analysis pass left unread (segment limit)

    int versionIndex;  // version - 1, or -1 when no version holds the data
    int moduleCount;   // 4 * version + 17, or 0

    uint8_t dataStream[kStreamBytes];
    uint8_t interleaved[kMaxCodewords];

    QrBlock model1Blocks[kMaxModel1Blocks];
    uint16_t model1BlockCount;

    uint8_t darkPlane[kMaxModules][kPlaneBytes];
    uint8_t dataAreaPlane[kMaxModules][kPlaneBytes];
    uint8_t symbolPlane[kMaxModules][kPlaneBytes];

    uint8_t rasterBuffer[kMaxModules + 1][kRasterRowBytes];  // scratch row, then one per module row
};

extern QrState qrState;

// The capacity row of a version index of the current model.
const QrVersionRow &versionRow(QrModel model, int versionIndex);
int versionCount(QrModel model);

// Module (row, column) of a plane: bit column % 8, least significant first.
inline bool planeBit(const uint8_t plane[][kPlaneBytes], int row, int column) {
    return (plane[row][column >> 3] >> (column & 7)) & 1;
}
inline void setPlaneBit(uint8_t plane[][kPlaneBytes], int row, int column) {
    plane[row][column >> 3] = static_cast<uint8_t>(plane[row][column >> 3] | (1u << (column & 7)));
}
inline void clearPlaneBit(uint8_t plane[][kPlaneBytes], int row, int column) {
    plane[row][column >> 3] = static_cast<uint8_t>(plane[row][column >> 3] & ~(1u << (column & 7)));
}

}  // namespace barsize::qrcode
