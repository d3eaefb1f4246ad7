// The memory block get2DBarCodeWidth hands to the caller, who owns it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace barsize::api {

// Allocates a caller-owned block of `size` bytes holding a copy of `bytes`
// and stores its handle through slot (null on failure). 0 on success, or the
// system's positive error code.
int32_t handOverRaster(void *slot, const uint8_t *bytes, uint32_t size);

// Test seam: the next allocation fails with this positive error code
// (0 turns it off).
void failNextBlockAllocation(int32_t errorCode);

}  // namespace barsize::api
