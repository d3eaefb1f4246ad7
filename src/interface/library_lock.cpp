#include "interface/library_lock.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <mutex>
#endif

namespace barsize::api {

#if defined(_WIN32)

// Created at process attach in DllMain, before any export can run.
static CRITICAL_SECTION libraryLock;

void createLibraryLock() { InitializeCriticalSection(&libraryLock); }
void deleteLibraryLock() { DeleteCriticalSection(&libraryLock); }
void enterLibraryLock() { EnterCriticalSection(&libraryLock); }
void leaveLibraryLock() { LeaveCriticalSection(&libraryLock); }

#else

// A static mutex needs no creation: it is ready before the first call.
static std::mutex libraryLock;

void createLibraryLock() {}
void deleteLibraryLock() {}
void enterLibraryLock() { libraryLock.lock(); }
void leaveLibraryLock() { libraryLock.unlock(); }

#endif

}  // namespace barsize::api
