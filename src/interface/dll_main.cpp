// Windows process attach and detach: create and delete the library lock.
#if defined(_WIN32)
#include <windows.h>

#include "interface/library_lock.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) barsize::api::createLibraryLock();
    if (reason == DLL_PROCESS_DETACH) barsize::api::deleteLibraryLock();
    return TRUE;
}
#endif
