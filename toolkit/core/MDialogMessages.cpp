// MDialog: the message dispatch to the virtual handlers, then to the host and the previous window
// procedure, and the handlers' defaults.
#include "core/MDialog.h"

#include <windowsx.h>

namespace Vantix {

namespace {

// WS_CAPTION and WS_THICKFRAME go; clipping of siblings and children, and bit 0x8, come.
const DWORD kRemovedStyle = WS_CAPTION | WS_THICKFRAME;
const DWORD kAddedStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | 0x8;

} // namespace

LRESULT MDialog::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const UINT keys = static_cast<UINT>(wParam);
    switch (msg) {
    case WM_CREATE:
        OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), point.x, point.y);
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_NCACTIVATE:
        OnNcActivate(static_cast<BOOL>(wParam));
        break;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(keys, point);
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(keys, point);
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(keys, point);
        break;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(keys, point);
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(keys, point);
        break;
    case WM_RBUTTONUP:
        OnRButtonUp(keys, point);
        break;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(keys, point);
        break;
    case WM_MOUSEHOVER:
        OnMouseHover(keys, lParam);
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave(keys, lParam);
        break;
    case WM_TOOLKIT_CLOSE:
        return OnUserCloseWindow(wParam, lParam);
    default:
        break;
    }
    if (LRESULT handled = m_pm.OnWindowMessage(msg, wParam, lParam))
        return handled;
    return MWindow::OnWindowMessage(msg, wParam, lParam);
}

LRESULT MDialog::OnCreate(CREATESTRUCTW*) {
    ModifyStyle(kRemovedStyle, kAddedStyle, 0);
    return 1;
}

LRESULT MDialog::OnSize(UINT, int, int) {
    if (!IsIconic())
        SetupBackTranslucent();
    GetClientRect(&m_clientRect);
    if (m_clientRect.Width() > 1 && m_clientRect.Height() > 1)
        UISize(m_clientRect);
    InvalidateRect(m_clientRect, FALSE);
    return 0;
}

LRESULT MDialog::OnMouseMove(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnMouseLeave(UINT, LPARAM) {
    return 0;
}

LRESULT MDialog::OnMouseHover(UINT, LPARAM) {
    return 0;
}

LRESULT MDialog::OnMouseWheel(UINT, short, CPoint) {
    return 0;
}

LRESULT MDialog::OnLButtonDown(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnLButtonUp(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnLButtonDblClk(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnRButtonDown(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnRButtonUp(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnRButtonDblClk(UINT, CPoint) {
    return 0;
}

LRESULT MDialog::OnKeyDown(UINT, UINT, UINT) {
    return 0;
}

LRESULT MDialog::OnNcHitTest(CPoint) {
    return 0;
}

LRESULT MDialog::OnGetMinMaxInfo(MINMAXINFO*) {
    return 0;
}

LRESULT MDialog::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    return 0;
}

LRESULT MDialog::OnNcActivate(BOOL) {
    return 0;
}

LRESULT MDialog::OnWindowPosChanging(WINDOWPOS*) {
    return 1;
}

LRESULT MDialog::OnWindowPosChanged(WINDOWPOS*) {
    return 1;
}

LRESULT MDialog::OnPaint() {
    return 0;
}

void MDialog::OnTimer(UINT) {}

LRESULT MDialog::OnNcPaint() {
    return 0;
}

LRESULT MDialog::OnClose() {
    return 1;
}

LRESULT MDialog::OnDestroy() {
    return 0;
}

LRESULT MDialog::PostNcDestroy() {
    return 0;
}

} // namespace Vantix
