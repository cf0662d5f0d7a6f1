#include "RecordingWindow.h"

#include <algorithm>

#include "core/CRect.h"

LRESULT RecordingWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    messages.push_back(msg);
    LRESULT result = 0;
    if (handler && handler(msg, wParam, lParam, result))
        return result;
    return MWindow::OnWindowMessage(msg, wParam, lParam);
}

BOOL RecordingWindow::PreTranslateMessage(MSG* msg) {
    return swallowed != 0 && msg->message == swallowed;
}

BOOL RecordingWindow::OnInitDialog() {
    ++initCalls;
    handleAtInit = m_hWnd;
    return TRUE;
}

void RecordingWindow::OnDestroyMessage(HWND hwnd) {
    destroyed.push_back(hwnd);
    handleAtDestroy = m_hWnd;
    userDataAtDestroy = GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    propertyAtDestroy = GetPropW(hwnd, L"Control");
}

bool RecordingWindow::Received(UINT msg) const {
    return std::find(messages.begin(), messages.end(), msg) != messages.end();
}

HWND RecordingWindow::CreatePopup(const RECT& rect, HWND owner) {
    return Create(owner, L"test", WS_POPUP, 0, Vantix::CRect(rect));
}
