// The one process-wide lock held by get1DBarCodeWidth and get2DBarCodeWidth.
#pragma once

namespace barsize::api {

void createLibraryLock();   // process attach (Windows); nothing elsewhere
void deleteLibraryLock();   // process detach (Windows); nothing elsewhere
void enterLibraryLock();
void leaveLibraryLock();

// Holds the lock for one scope; no exception can leave the exports, so the
// release always runs.
struct LibraryLockScope {
    LibraryLockScope() { enterLibraryLock(); }
    ~LibraryLockScope() { leaveLibraryLock(); }
    LibraryLockScope(const LibraryLockScope &) = delete;
    LibraryLockScope &operator=(const LibraryLockScope &) = delete;
};

}  // namespace barsize::api
