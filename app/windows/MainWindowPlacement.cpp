#include "windows/MainWindowPlacement.h"

Vantix::CRect MainWindowPlacement::ForWorkArea(const RECT& workArea) {
    const int right = workArea.right - kInset;
    const int bottom = workArea.bottom - kInset;
    return Vantix::CRect(right - kWidth, bottom - kHeight, right, bottom);
}

RECT MainWindowPlacement::CurrentWorkArea() {
    RECT workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    return workArea;
}
