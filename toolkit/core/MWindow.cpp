#include "core/MWindow.h"

#include "core/Manager.h"

namespace Vantix {

namespace {

const UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
const DWORD kDefaultStyle = 0x80B;

bool RegisteredOrExisting(ATOM atom) {
    return atom != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

MWindow::MWindow() : m_hParent(nullptr), m_hWnd(nullptr), m_OldWndProc(DefWindowProcW) {}

const wchar_t* MWindow::GetWindowClassName() const {
    return L"MWindow";
}

const wchar_t* MWindow::GetSuperClassName() const {
    return nullptr;
}

BOOL MWindow::ShowWindow(int command) {
    if (!HasHandle())
        return FALSE;
    return ::ShowWindow(m_hWnd, command);
}

LRESULT MWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_OldWndProc, m_hWnd, msg, wParam, lParam);
}

BOOL MWindow::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL MWindow::OnInitDialog() {
    return TRUE;
}

void MWindow::OnDestroyMessage(HWND) {}

BOOL MWindow::RegisterWindowClass() {
    WNDCLASSW windowClass = {};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = Manager::m_hInstance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = GetWindowClassName();
    return RegisteredOrExisting(RegisterClassW(&windowClass));
}

BOOL MWindow::RegisterSuperClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(nullptr, GetSuperClassName(), &windowClass) &&
        !GetClassInfoExW(Manager::m_hInstance, GetSuperClassName(), &windowClass))
        return FALSE;
    m_OldWndProc = windowClass.lpfnWndProc;
    windowClass.hInstance = Manager::m_hInstance;
    windowClass.lpfnWndProc = ControlProc;
    windowClass.lpszClassName = GetWindowClassName();
    return RegisteredOrExisting(RegisterClassExW(&windowClass));
}

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect, HMENU menu) {
    if (IsValidWindow())
        return m_hWnd;
    m_hParent = parent;
    BOOL registered = GetSuperClassName() ? RegisterSuperClass() : RegisterWindowClass();
    if (!registered)
        return nullptr;
    m_hWnd = CreateWindowExW(exStyle, GetWindowClassName(), title, style, rect.left, rect.top, rect.Width(),
                             rect.Height(), parent, menu, Manager::m_hInstance, this);
    OnInitDialog();
    return m_hWnd;
}

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect) {
    return Create(parent, title, style, exStyle, rect, nullptr);
}

HWND MWindow::Create(HWND parent, CRect rect) {
    return Create(parent, L"MWindow", kDefaultStyle, 0, rect);
}

HWND MWindow::Create(HWND parent) {
    return Create(parent, CRect(0, 0, 800, 600));
}

bool MWindow::HasHandle() const {
    return m_hWnd != nullptr && m_hWnd != reinterpret_cast<HWND>(-1);
}

bool MWindow::IsValidWindow() const {
    return HasHandle() && ::IsWindow(m_hWnd);
}

} // namespace Vantix
