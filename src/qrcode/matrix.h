// The module matrix: function patterns and codeword placement.
#pragma once

#include "qrcode/qr_state.h"

namespace barsize::qrcode {

// Clears the planes for qrState.moduleCount modules and draws the function
// patterns of the current model and version.
void drawFunctionPatterns();

// Lists Model 1's placement blocks for n modules per side into
// qrState.model1Blocks, in placement order; codewords are numbered from 0.
void listModel1Blocks(int n);

// Places the codewords into the data area of darkPlane.
void placeCodewords();

}  // namespace barsize::qrcode
