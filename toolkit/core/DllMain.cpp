// Entry point of Vantix.dll: remembers the library's own module for its resources.
#include <windows.h>

#include "core/LibraryModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        Vantix::StoreLibraryModule(instance);
    return TRUE;
}
