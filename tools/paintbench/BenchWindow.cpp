#include "BenchWindow.h"

#include "controls/MPicture.h"

namespace {

const wchar_t kClassName[] = L"VantixPaintBench";

} // namespace

BenchWindow::BenchWindow(int x, int y, int width, int height) {
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = &BenchWindow::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
    m_hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"paintbench", WS_POPUP, x, y, width, height,
                               nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (!m_hwnd)
        return;
    m_host.Init(m_hwnd, nullptr);
    m_host.SetLayeredWindow(TRUE);
    m_host.LoadBKImage(L"img_cpu_bkg5.png");
    m_host.EnableDrawInfo(TRUE);
    auto* picture = static_cast<Vantix::MPicture*>(
        m_host.CreateArea(this, L"MPicture", 31, Vantix::CRect(295, 25, 313, 42), nullptr, 1, 1));
    if (picture)
        picture->SetImage(L"img_btn_close.png", 1);
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

BenchWindow::~BenchWindow() {
    if (m_hwnd && ::IsWindow(m_hwnd))
        ::DestroyWindow(m_hwnd);
}

void BenchWindow::Repaint() {
    m_host.Invalidate();
    ::UpdateWindow(m_hwnd);
}

int BenchWindow::OnControlUpdate(Vantix::CRect rect, int redraw, Vantix::MControl* control) {
    return m_host.OnControlUpdate(rect, redraw, control);
}

LRESULT CALLBACK BenchWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<BenchWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || msg == WM_NCCREATE)
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    if (LRESULT result = self->m_host.OnWindowMessage(msg, wParam, lParam))
        return result;
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}
