// The frame shared by the two tip windows (balloon and keyboard tip): a borderless tool window
// with slightly rounded corners.
#pragma once

#include <windows.h>

namespace Vantix {

class TipWindowFrame {
public:
    // On WM_CREATE: drops the caption and thick frame, adds the tip's own bits, makes it a tool window.
    static void ApplyStyles(HWND hwnd);
    // On WM_SIZE: a rounded window region over the window (square corners when maximised).
    static void ApplyRegion(HWND hwnd, UINT sizeType);
};

} // namespace Vantix
