// The thin window operations: each does nothing and answers 0 when the object has no window.
#include "core/MWindow.h"

#include "core/CStringException.h"
#include "core/Manager.h"

namespace Vantix {

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT positionFlags) {
    DWORD old = static_cast<DWORD>(GetWindowLongW(hwnd, index));
    DWORD changed = (old & ~remove) | add;
    if (changed == old)
        return FALSE;
    SetWindowLongW(hwnd, index, static_cast<LONG>(changed));
    if (positionFlags)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       positionFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HICON LoadIconSized(UINT id, int widthMetric, int heightMetric) {
    // Shared icons are the system's to free; the window only borrows them.
    return static_cast<HICON>(LoadImageW(Manager::m_hInstance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_SHARED));
}

POINT* Corners(RECT* rect) {
    return reinterpret_cast<POINT*>(rect);
}

} // namespace

DWORD MWindow::GetStyle() const {
    return HasHandle() ? static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)) : 0;
}

DWORD MWindow::GetExStyle() const {
    return HasHandle() ? static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE)) : 0;
}

BOOL MWindow::ModifyStyle(DWORD remove, DWORD add, UINT positionFlags) {
    return HasHandle() ? ModifyLong(m_hWnd, GWL_STYLE, remove, add, positionFlags) : FALSE;
}

BOOL MWindow::ModifyExStyle(DWORD remove, DWORD add, UINT positionFlags) {
    return HasHandle() ? ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, positionFlags) : FALSE;
}

BOOL MWindow::GetClientRect(RECT* rect) const {
    return IsValidWindow() ? ::GetClientRect(m_hWnd, rect) : FALSE;
}

BOOL MWindow::GetWindowRect(RECT* rect) const {
    return IsValidWindow() ? ::GetWindowRect(m_hWnd, rect) : FALSE;
}

BOOL MWindow::SetWindowTextW(const wchar_t* text) {
    return IsValidWindow() ? ::SetWindowTextW(m_hWnd, text) : FALSE;
}

int MWindow::GetWindowTextW(CString& text) const {
    if (!IsValidWindow())
        return 0;
    try {
        int length = ::GetWindowTextLengthW(m_hWnd);
        int copied = ::GetWindowTextW(m_hWnd, text.GetBuffer(length), length + 1);
        text.ReleaseBuffer(copied);
        return copied;
    } catch (const CStringException&) {
        return 0;
    }
}

int MWindow::GetWindowTextLengthW() const {
    return IsValidWindow() ? ::GetWindowTextLengthW(m_hWnd) : -1;
}

BOOL MWindow::EnableWindow(BOOL enable) {
    return IsValidWindow() ? ::EnableWindow(m_hWnd, enable) : FALSE;
}

BOOL MWindow::IsWindowEnabled() const {
    return IsValidWindow() ? ::IsWindowEnabled(m_hWnd) : FALSE;
}

BOOL MWindow::IsWindowVisible() const {
    return IsValidWindow() ? ::IsWindowVisible(m_hWnd) : FALSE;
}

BOOL MWindow::IsIconic() const {
    return IsValidWindow() ? ::IsIconic(m_hWnd) : FALSE;
}

BOOL MWindow::InvalidateRect(CRect rect, BOOL erase) {
    return IsValidWindow() ? ::InvalidateRect(m_hWnd, &rect, erase) : FALSE;
}

HWND MWindow::SetCapture() {
    return IsValidWindow() ? ::SetCapture(m_hWnd) : nullptr;
}

BOOL MWindow::ReleaseCapture() {
    return IsValidWindow() ? ::ReleaseCapture() : FALSE;
}

HWND MWindow::SetFocus() {
    return IsValidWindow() ? ::SetFocus(m_hWnd) : nullptr;
}

UINT_PTR MWindow::SetTimer(UINT id, UINT elapse, TIMERPROC callback) {
    return IsValidWindow() ? ::SetTimer(m_hWnd, id, elapse, callback) : 0;
}

BOOL MWindow::KillTimer(UINT id) {
    return IsValidWindow() ? ::KillTimer(m_hWnd, id) : FALSE;
}

BOOL MWindow::ClientToScreen(POINT* point) const {
    return IsValidWindow() ? ::ClientToScreen(m_hWnd, point) : FALSE;
}

BOOL MWindow::ClientToScreen(RECT* rect) const {
    if (!IsValidWindow() || !::ClientToScreen(m_hWnd, &Corners(rect)[0]))
        return FALSE;
    return ::ClientToScreen(m_hWnd, &Corners(rect)[1]);
}

BOOL MWindow::ScreenToClient(POINT* point) const {
    return IsValidWindow() ? ::ScreenToClient(m_hWnd, point) : FALSE;
}

BOOL MWindow::ScreenToClient(RECT* rect) const {
    if (!IsValidWindow() || !::ScreenToClient(m_hWnd, &Corners(rect)[0]))
        return FALSE;
    return ::ScreenToClient(m_hWnd, &Corners(rect)[1]);
}

BOOL MWindow::SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) {
    return IsValidWindow() ? ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags) : FALSE;
}

BOOL MWindow::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    return IsValidWindow() ? ::MoveWindow(m_hWnd, x, y, width, height, repaint) : FALSE;
}

BOOL MWindow::MoveWindow(const RECT* rect, BOOL repaint) {
    if (!IsValidWindow())
        return FALSE;
    return ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                        repaint);
}

LRESULT MWindow::SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
    return HasHandle() ? ::SendMessageW(m_hWnd, msg, wParam, lParam) : 0;
}

BOOL MWindow::PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
    return HasHandle() ? ::PostMessageW(m_hWnd, msg, wParam, lParam) : FALSE;
}

BOOL MWindow::DestroyWindow() {
    return IsValidWindow() ? ::DestroyWindow(m_hWnd) : FALSE;
}

void MWindow::SetIcon(UINT id) {
    if (!IsValidWindow())
        return;
    HICON largeIcon = LoadIconSized(id, SM_CXICON, SM_CYICON);
    HICON smallIcon = LoadIconSized(id, SM_CXSMICON, SM_CYSMICON);
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

} // namespace Vantix
