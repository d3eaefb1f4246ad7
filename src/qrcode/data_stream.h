// Version selection and the data bit stream.
#pragma once

#include <cstdint>

#include "qrcode/qr_state.h"

namespace barsize::qrcode {

// The smallest version index of the current model whose data capacity at
// level holds the segments written with that version's own count indicator
// widths; -1 if none does.
int selectVersion(const QrSegment *segments, int count, int level);

// Writes the segments into qrState.dataStream (cleared first) for the chosen
// version, closes it with the terminator and returns the bytes written.
int writeDataStream(const QrSegment *segments, int count, int versionIndex);

// Fills dataStream from byte `written` up to the data capacity with the pad
// codewords 0xEC 0x11.
void padDataStream(int written, int dataCodewords);

}  // namespace barsize::qrcode
