#include "linear/linear.h"

namespace barsize::linear {

// Not built yet: fails as an unknown symbology.
int32_t measureUpcA(const uint8_t *, int32_t, int32_t, int32_t, int32_t) { return -10; }
int32_t measureUpcE(const uint8_t *, int32_t, int32_t, int32_t, int32_t) { return -10; }
int32_t measureEan13(const uint8_t *, int32_t, int32_t, int32_t, int32_t) { return -10; }
int32_t measureEan8(const uint8_t *, int32_t, int32_t, int32_t, int32_t) { return -10; }

}  // namespace barsize::linear
