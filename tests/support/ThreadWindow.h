// Test support: finds a top-level window of the calling thread by its title. Test processes run side by
// side on one desktop, so a search over every window could find another process's window of that title.
#pragma once

#include <windows.h>

HWND FindThreadWindow(const wchar_t* title);
