#include "TestDialog.h"

#include <algorithm>

using Vantix::CPoint;
using Vantix::CRect;

HWND TestDialog::CreateAt(CRect screenRect, DWORD style, DWORD exStyle) {
    // Away from the pointer, so that the system's own mouse tracking leaves the tests alone.
    ::SetCursorPos(0, 0);
    return Create(nullptr, L"test dialog", style, exStyle, screenRect);
}

LRESULT TestDialog::Mouse(UINT msg, int x, int y, WPARAM keys) {
    return Send(msg, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

BOOL TestDialog::PostMouse(UINT msg, int x, int y, WPARAM keys) {
    return ::PostMessageW(m_hWnd, msg, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

int TestDialog::Count(const std::string& handler) const {
    return static_cast<int>(std::count(log.begin(), log.end(), handler));
}

void TestDialog::Note(const std::string& handler) {
    log.push_back(handler);
    if (sharedLog)
        sharedLog->push_back("dialog " + handler);
}

void TestDialog::InitUI(CRect rect) {
    Note("InitUI");
    layouts.push_back(rect);
    if (buildControls)
        buildControls(*this, rect);
}

void TestDialog::UISize(CRect rect) {
    Note("UISize");
    layouts.push_back(rect);
}

LRESULT TestDialog::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    notifications.push_back({id, code, wParam, lParam});
    return onNotification ? onNotification(*this, id, code) : 0;
}

LRESULT TestDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    Note("UserCloseWindow");
    return MDialog::OnUserCloseWindow(wParam, lParam);
}

LRESULT TestDialog::OnLButtonDown(UINT keys, CPoint point) {
    Note("LButtonDown");
    return MDialog::OnLButtonDown(keys, point);
}

LRESULT TestDialog::OnLButtonUp(UINT keys, CPoint point) {
    Note("LButtonUp");
    return MDialog::OnLButtonUp(keys, point);
}

LRESULT TestDialog::OnMouseMove(UINT keys, CPoint point) {
    Note("MouseMove");
    return MDialog::OnMouseMove(keys, point);
}

void TestDialog::OnTimer(UINT id) {
    Note("Timer");
    timers.push_back(id);
}

LRESULT TestDialog::OnClose() {
    Note("Close");
    // Ignored by the dispatch: the window closes all the same.
    return 0;
}

LRESULT TestDialog::OnDestroy() {
    Note("Destroy");
    return 0;
}

LRESULT TestDialog::PostNcDestroy() {
    Note("PostNcDestroy");
    return 0;
}
