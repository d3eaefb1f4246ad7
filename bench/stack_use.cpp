#include "stack_use.h"

#include <pthread.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace barsize::bench {

namespace {

constexpr size_t kStackSize = 1u << 20;
constexpr unsigned char kPaint = 0xA5;

void *runCall(void *call) {
    (*static_cast<const std::function<void()> *>(call))();
    return nullptr;
}

// Bytes of the painted stack the thread overwrote (its own start-up
// included); 0 if the thread could not be run.
size_t paintedDepth(const std::function<void()> &call) {
    void *stack = std::aligned_alloc(4096, kStackSize);
    if (stack == nullptr) return 0;
    std::memset(stack, kPaint, kStackSize);
    size_t depth = 0;
    pthread_attr_t attr;
    pthread_t thread;
    if (pthread_attr_init(&attr) == 0) {
        if (pthread_attr_setstack(&attr, stack, kStackSize) == 0 &&
            pthread_create(&thread, &attr, runCall, const_cast<std::function<void()> *>(&call)) == 0) {
            pthread_join(thread, nullptr);
            const unsigned char *bytes = static_cast<const unsigned char *>(stack);
            size_t untouched = 0;
            while (untouched < kStackSize && bytes[untouched] == kPaint) ++untouched;
            depth = kStackSize - untouched;
        }
        pthread_attr_destroy(&attr);
    }
    std::free(stack);
    return depth;
}

}  // namespace

size_t stackUse(const std::function<void()> &call) {
    const size_t withCall = paintedDepth(call);
    const size_t empty = paintedDepth([] {});
    return withCall > empty ? withCall - empty : 0;
}

}  // namespace barsize::bench
