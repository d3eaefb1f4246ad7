// Data analysis: cuts the data into segments of one mode each.
#pragma once

#include <cstdint>

#include "qrcode/qr_state.h"

namespace barsize::qrcode {

// The class of the character at position; a Kanji character needs its trail
// byte within the count, so a lead byte that ends the data is a Byte.
QrMode classifyCharacter(const uint8_t *data, int position, int count);

// The mode two neighbouring segments take when joined.
QrMode mergedMode(QrMode a, QrMode b);

// Bits a segment occupies in the stream (mode, count indicator, data) with
// the count indicator widths of a count group.
int segmentBits(QrMode mode, int length, int group);

// Bits of the segment's data alone.
int segmentDataBits(QrMode mode, int length);

// Cuts qrState.inputCopy into qrState.segmentList and sets versionIndex (-1
// when no version holds the data) and unreadBytes (data past the segment
// limit). Needs inputLength >= 1.
void analyseData();

}  // namespace barsize::qrcode
