// Where the main window sits: 340 x 250 pixels, 3 pixels inside the bottom-right corner of the work area.
#pragma once

#include <windows.h>

#include "core/CRect.h"

class MainWindowPlacement {
public:
    static constexpr int kWidth = 340;
    static constexpr int kHeight = 250;
    static constexpr int kInset = 3;

    static Vantix::CRect ForWorkArea(const RECT& workArea);
    // The primary monitor's work area now (the taskbar may have moved since start-up).
    static RECT CurrentWorkArea();
    static Vantix::CRect Current() { return ForWorkArea(CurrentWorkArea()); }
};
