// Linear symbologies 0 to 8: the dispatcher and the nine measuring encoders.
#pragma once

#include <cstdint>

namespace barsize::linear {

// getBarCodeWidth: validates the request, then measures the symbol (codes
// 75 to 78 go to the DataBar front end first). Width in dots or a status.
int32_t measureLinear(const uint8_t *data, int32_t length, int32_t symbology,
                      int32_t moduleWidth, int32_t hriPosition, int32_t hriCharWidth,
                      int32_t measure);

// The encoders: each appends its whole symbol to the bar row and returns
// finishLinear's result, or its data status. charWidth is in dots.
int32_t measureUpcA(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureUpcE(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureEan13(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureEan8(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureCode39(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureItf(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureCodabar(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureCode93(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);
int32_t measureCode128(const uint8_t *data, int32_t length, int32_t hriPosition, int32_t charWidth, int32_t measure);

}  // namespace barsize::linear
