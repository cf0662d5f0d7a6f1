// The link between a window and its object: the two window procedures, the destructor that breaks
// the link, and the modal loop.
#include "core/MWindow.h"

namespace Vantix {

namespace {

// Superclassed windows keep the object here: their system class may use the user data itself.
const wchar_t kControlProperty[] = L"Control";

MWindow* FromUserData(HWND hwnd) {
    return reinterpret_cast<MWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

MWindow* FromProperty(HWND hwnd) {
    return static_cast<MWindow*>(GetPropW(hwnd, kControlProperty));
}

} // namespace

MWindow::~MWindow() {
    // A window left behind by its owner must not call into the freed object.
    if (!IsValidWindow())
        return;
    if (FromUserData(m_hWnd) == this)
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    if (FromProperty(m_hWnd) == this) {
        RemovePropW(m_hWnd, kControlProperty);
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    }
}

MWindow* MWindow::AttachFromCreate(HWND hwnd, LPARAM lParam) {
    MWindow* window = static_cast<MWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (window)
        window->m_hWnd = hwnd;
    return window;
}

void MWindow::DetachAfterDestroy(HWND hwnd) {
    m_hWnd = nullptr;
    OnDestroyMessage(hwnd);
    // A window destroyed inside GetMessageW (a WM_CLOSE sent from another thread or process) would leave
    // a modal loop waiting for a posted message that never comes: wake it so it sees the handle is gone.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

LRESULT CALLBACK MWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MWindow* window;
    if (msg == WM_NCCREATE) {
        window = AttachFromCreate(hwnd, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    } else {
        window = FromUserData(hwnd);
    }
    if (!window)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg != WM_NCDESTROY)
        return window->OnWindowMessage(msg, wParam, lParam);
    LRESULT result = CallWindowProcW(window->m_OldWndProc, hwnd, msg, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->DetachAfterDestroy(hwnd);
    return result;
}

LRESULT CALLBACK MWindow::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MWindow* window;
    if (msg == WM_NCCREATE) {
        window = AttachFromCreate(hwnd, lParam);
        SetPropW(hwnd, kControlProperty, window);
    } else {
        window = FromProperty(hwnd);
    }
    if (!window)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg != WM_NCDESTROY)
        return window->OnWindowMessage(msg, wParam, lParam);
    LRESULT result = CallWindowProcW(window->m_OldWndProc, hwnd, msg, wParam, lParam);
    // Removed rather than set to null: a property left on a dying window is never freed.
    RemovePropW(hwnd, kControlProperty);
    window->DetachAfterDestroy(hwnd);
    return result;
}

UINT MWindow::ShowModal(int command) {
    if (!IsValidWindow())
        return static_cast<UINT>(-1);
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    ShowWindow(command);
    ::EnableWindow(owner, FALSE);
    UINT result = 0;
    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg;
    while (IsValidWindow()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            quitCode = msg.wParam;
            break;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == m_hWnd) {
            result = static_cast<UINT>(msg.wParam);
            ::EnableWindow(owner, TRUE);
            ::SetFocus(owner);
        }
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    ::EnableWindow(owner, TRUE);
    ::SetFocus(owner);
    // The outer loop must end too.
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return result;
}

} // namespace Vantix
