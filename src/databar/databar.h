// GS1 DataBar front ends: linear codes 75 to 78 and stacked symbology 51.
#pragma once

#include "interface/encoder_2d.h"

namespace barsize::databar {

// Width in dots of a linear DataBar symbol (codes 75 to 78), or a negative
// status. Takes getBarCodeWidth's seven arguments unchanged.
int32_t measureLinearDataBar(const uint8_t *data, int32_t length, int32_t symbology,
                             int32_t moduleWidth, int32_t hriPosition, int32_t hriCharWidth,
                             int32_t measure);

// Encodes a stacked DataBar symbol (sub-type 72, 73 or 76) from a
// StackedParams record. 0 on success, negative with a status on failure.
int32_t encodeStackedDataBar(BARSIZE_ENCODER_2D_ARGS);

}  // namespace barsize::databar
