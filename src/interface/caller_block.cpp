#include "interface/caller_block.h"

#include <cstdlib>
#include <cstring>

#include "barsize.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#endif

namespace barsize::api {

static int32_t forcedFailure = 0;

void failNextBlockAllocation(int32_t errorCode) { forcedFailure = errorCode; }

#if defined(_WIN32)

// The positive code a failed hand-over returns.
static int32_t lastError() {
    const int32_t error =
        forcedFailure != 0 ? forcedFailure : static_cast<int32_t>(GetLastError());
    forcedFailure = 0;
    return error > 0 ? error : static_cast<int32_t>(ERROR_NOT_ENOUGH_MEMORY);
}

int32_t handOverRaster(void *slot, const uint8_t *bytes, uint32_t size) {
    HGLOBAL handle = nullptr;
    if (forcedFailure == 0) handle = GlobalAlloc(GMEM_MOVEABLE, size);
    *static_cast<HGLOBAL *>(slot) = handle;
    if (handle == nullptr) return lastError();
    if (size == 0) return 0;
    void *target = GlobalLock(handle);
    if (target == nullptr) {
        // A block without the raster in it is no hand-over: give it back and
        // report the failure like a failed allocation.
        const int32_t error = lastError();
        GlobalFree(handle);
        *static_cast<HGLOBAL *>(slot) = nullptr;
        return error;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(handle);
    return 0;
}

#else

// A block is its size followed by the bytes.
struct BlockHeader {
    size_t size;
};

int32_t handOverRaster(void *slot, const uint8_t *bytes, uint32_t size) {
    void *block = nullptr;
    if (forcedFailure == 0) block = std::malloc(sizeof(BlockHeader) + size);
    *static_cast<void **>(slot) = block;
    if (block == nullptr) {
        const int32_t error = forcedFailure != 0 ? forcedFailure : ENOMEM;
        forcedFailure = 0;
        return error;
    }
    static_cast<BlockHeader *>(block)->size = size;
    if (size != 0) std::memcpy(static_cast<uint8_t *>(block) + sizeof(BlockHeader), bytes, size);
    return 0;
}

#endif

}  // namespace barsize::api

#if !defined(_WIN32)
extern "C" {

const uint8_t *barsizeBlockBytes(BarsizeBlock block) {
    if (block == nullptr) return nullptr;
    return static_cast<const uint8_t *>(block) + sizeof(barsize::api::BlockHeader);
}

size_t barsizeBlockSize(BarsizeBlock block) {
    if (block == nullptr) return 0;
    return static_cast<const barsize::api::BlockHeader *>(block)->size;
}

void barsizeBlockFree(BarsizeBlock block) { std::free(block); }

}  // extern "C"
#endif
