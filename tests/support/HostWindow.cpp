#include "HostWindow.h"

namespace {

const wchar_t kClassName[] = L"VantixTestHost";

void RegisterHostClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW wc = {sizeof(wc)};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc);
    }();
    (void)atom;
}

} // namespace

HostWindow::HostWindow(Vantix::CRect screenRect, DWORD exStyle) : m_parent(&m_host) {
    RegisterHostClass(&HostWindow::WindowProc);
    // Away from the pointer, so that the system's own mouse tracking leaves the tests alone.
    ::SetCursorPos(0, 0);
    m_hwnd = ::CreateWindowExW(exStyle | WS_EX_TOOLWINDOW, kClassName, L"host", WS_POPUP, screenRect.left,
                               screenRect.top, screenRect.Width(), screenRect.Height(), nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), this);
    m_host.Init(m_hwnd, nullptr);
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

HostWindow::~HostWindow() {
    Destroy();
}

void HostWindow::Destroy() {
    if (m_hwnd && ::IsWindow(m_hwnd))
        ::DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

RecordingControl* HostWindow::Add(UINT list, UINT id, Vantix::CRect rect, int visible, int enabled) {
    auto* control = new RecordingControl(&m_parent, id, rect, visible, enabled);
    return static_cast<RecordingControl*>(m_host.AttachControl(list, control));
}

LRESULT HostWindow::Mouse(UINT msg, int x, int y, WPARAM keys) {
    return Send(msg, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || msg == WM_NCCREATE)
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    if (LRESULT result = self->m_host.OnWindowMessage(msg, wParam, lParam))
        return result;
    if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
        ++self->captionPresses;
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}
