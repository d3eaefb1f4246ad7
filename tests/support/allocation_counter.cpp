#include "support/allocation_counter.h"

#include <atomic>
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BARSIZE_TEST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BARSIZE_TEST_ASAN 1
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

inline void noteAllocation() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

#if defined(BARSIZE_TEST_ASAN)

// The sanitizer runtime's allocator hook (GCC ships no header for it).
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*mallocHook)(const volatile void *, size_t), void (*freeHook)(const volatile void *));

namespace {

void mallocHook(const volatile void *, size_t) { noteAllocation(); }
void freeHook(const volatile void *) {}

void installHooks() {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(mallocHook, freeHook) != 0;
    (void)installed;
}

}  // namespace

#else

// glibc's own allocator under its internal names.
extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
void *__libc_memalign(size_t alignment, size_t size);
void __libc_free(void *pointer);

void *malloc(size_t size) {
    noteAllocation();
    return __libc_malloc(size);
}

void *calloc(size_t count, size_t size) {
    noteAllocation();
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, size_t size) {
    noteAllocation();
    return __libc_realloc(pointer, size);
}

void *memalign(size_t alignment, size_t size) {
    noteAllocation();
    return __libc_memalign(alignment, size);
}

void *aligned_alloc(size_t alignment, size_t size) {
    noteAllocation();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void **out, size_t alignment, size_t size) {
    noteAllocation();
    void *pointer = __libc_memalign(alignment, size);
    if (pointer == nullptr) return 12;  // ENOMEM
    *out = pointer;
    return 0;
}

void free(void *pointer) { __libc_free(pointer); }
}

namespace {
void installHooks() {}
}  // namespace

#endif

namespace barsize::test {

void startCountingAllocations() {
    installHooks();
    allocations.store(0);
    counting.store(true);
}

long stopCountingAllocations() {
    counting.store(false);
    return allocations.load();
}

}  // namespace barsize::test
