#include "linear/linear.h"

namespace barsize::linear {

// Not built yet: fails as an unknown symbology.
int32_t measureCode93(const uint8_t *, int32_t, int32_t, int32_t, int32_t) { return -10; }

}  // namespace barsize::linear
