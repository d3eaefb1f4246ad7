// Counts the heap allocations the process makes between start and stop:
// malloc and its relatives, and so every operator new. Without sanitizers
// the test binary provides malloc itself (forwarding to the C library); under
// AddressSanitizer the sanitizer's allocator hooks do the counting.
#pragma once

namespace barsize::test {

void startCountingAllocations();
// Allocations since startCountingAllocations.
long stopCountingAllocations();

}  // namespace barsize::test
