#include "WindowCapture.h"

bool CaptureClient(HWND window, DibCanvas& canvas) {
    ::UpdateWindow(window);
    RECT client = {};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    if (!dc)
        return false;
    const BOOL copied = ::BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
    ::GdiFlush();
    return copied != FALSE;
}
