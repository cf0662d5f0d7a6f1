// The process from start to end: single instance, DPI rule, debug privilege, the left-over server, GDI+,
// COM and OLE, the toolkit, the main window's modal run and the shutdown in its order.
#pragma once

#include <windows.h>

class ThermivoApplication {
public:
    // 0 when another instance runs (nothing is touched then), 1 after a normal run.
    static int Run(HINSTANCE instance);
    // Small primary screens get real pixels; larger ones are left to the system's scaling.
    static bool ShouldBeDpiAware(int screenWidth, int screenHeight);
};
