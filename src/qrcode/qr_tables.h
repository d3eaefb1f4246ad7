// Fixed tables of QR Code: capacities, pattern positions, field arithmetic.
#pragma once

#include <cstdint>

namespace barsize::qrcode {

constexpr int kModel1VersionCount = 14;
constexpr int kModel2VersionCount = 40;
constexpr int kMaxAlignmentCentres = 7;

// One version of one model: codeword counts per error-correction level
// (index 0 L, 1 M, 2 Q, 3 H).
struct QrVersionRow {
    uint16_t totalCodewords;
    uint16_t dataCodewords[4];
    uint16_t blockCount[4];
};

extern const QrVersionRow kModel1Versions[kModel1VersionCount];
extern const QrVersionRow kModel2Versions[kModel2VersionCount];

// Alignment pattern centres of Model 2 by version index; a row ends at its
// first 0 (version 1 has none).
extern const uint8_t kAlignmentCentres[kModel2VersionCount][kMaxAlignmentCentres];

// 18-bit version information of Model 2 versions 7 to 40 (index version - 7).
extern const uint32_t kVersionInformation[kModel2VersionCount - 6];

// Character count indicator widths by mode (numeric, alphanumeric, byte,
// Kanji) and count group.
constexpr uint8_t kCountBits[4][3] = {{10, 12, 14}, {9, 11, 13}, {8, 16, 16}, {8, 10, 12}};

// Count group of a version index (version - 1): versions 1-9, 10-26, 27-40.
constexpr int countGroup(int versionIndex) {
    return versionIndex < 9 ? 0 : (versionIndex < 26 ? 1 : 2);
}

}  // namespace barsize::qrcode
