#include "windows/TipWindowFrame.h"

#include "core/GdiObject.h"

namespace Vantix {

namespace {

const LONG_PTR kKeptStyle = 0xFF3BFFFF; // all but the caption (WS_BORDER, WS_DLGFRAME) and WS_THICKFRAME
const LONG_PTR kAddedStyle = 0x06000008;
const int kCorner = 3;

} // namespace

void TipWindowFrame::ApplyStyles(HWND hwnd) {
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, (style & kKeptStyle) | kAddedStyle);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
}

void TipWindowFrame::ApplyRegion(HWND hwnd, UINT sizeType) {
    RECT window = {};
    GetWindowRect(hwnd, &window);
    const int corner = sizeType == SIZE_MAXIMIZED ? 0 : kCorner;
    GdiObject<HRGN> region(CreateRoundRectRgn(0, 0, window.right - window.left + 1,
                                              window.bottom - window.top + 1, corner, corner));
    // The window owns a region it accepted.
    if (region && SetWindowRgn(hwnd, region.Get(), TRUE))
        region.Detach();
}

} // namespace Vantix
