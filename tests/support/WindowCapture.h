// Reads back what a shown window painted: the pending paint is carried out, then the client area
// is copied from the window's DC into a canvas (a window that is not shown has nothing to read).
#pragma once

#include <windows.h>

#include "DibCanvas.h"

// The canvas must be at least as large as the client area; false when the copy failed.
bool CaptureClient(HWND window, DibCanvas& canvas);
