// MShadow: settings, the shadow window and the parent's subclass procedure.
#include "windows/MShadow.h"

#include "controls/MRender.h"
#include "core/Manager.h"
#include "core/PaintManager.h"
#include "core/SkinPath.h"

namespace Vantix {

namespace {

const wchar_t kClassName[] = L"ShadowWnd";
const int kLimit = 35;

bool InRange(int value) {
    return value >= -kLimit && value <= kLimit;
}

} // namespace

bool MShadow::s_bHasInit = false;

MShadow::MShadow()
    : m_nDarkness(150), m_nSharpness(5), m_nSize(0), m_nxOffset(5), m_nyOffset(5), m_Color(0),
      m_bIsImageMode(false), m_imageWidth(0), m_imageHeight(0), m_imageResId(0), m_corner{0, 0, 0, 0},
      m_bIsShowShadow(false), m_bIsDisableShadow(false), m_Status(0), m_WndSize(0), m_bUpdate(false),
      m_host(nullptr), m_hWnd(nullptr), m_OriParentProc(nullptr), m_hParent(nullptr) {}

// A host may go before its window: the window must not call into this object afterwards.
MShadow::~MShadow() {
    Detach();
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

bool MShadow::Initialize(HINSTANCE instance, bool force) {
    if (s_bHasInit && !force)
        return false;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    ATOM atom = RegisterClassExW(&windowClass);
    if (atom || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        s_bHasInit = true;
    return atom != 0;
}

void MShadow::Create(PaintManager* host) {
    if (!m_bIsShowShadow || !host)
        return;
    HWND parent = host->GetPaintWnd();
    // Subclassing the same window twice would make the procedure call itself.
    if (!::IsWindow(parent) || m_hParent)
        return;
    m_host = host;
    DWORD parentStyle = static_cast<DWORD>(GetWindowLongPtrW(parent, GWL_STYLE));
    m_hWnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kClassName, nullptr,
                             WS_POPUPWINDOW | (parentStyle & WS_DLGFRAME), CW_USEDEFAULT, 0, 0, 0, parent,
                             nullptr, Manager::m_hInstance, nullptr);
    if (!m_hWnd)
        return;
    GetShadowMap()[parent] = this;
    m_hParent = parent;
    // The parent's present size, so that its first shrink repaints at once like every later one.
    RECT client = {};
    ::GetClientRect(parent, &client);
    m_WndSize = MAKELPARAM(client.right - client.left, client.bottom - client.top);
    TakeParentState(parent);
    m_OriParentProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MShadow::ParentProc)));
}

void MShadow::ShowShadow(bool show) {
    m_bIsShowShadow = show;
}

bool MShadow::IsShowShadow() const {
    return m_bIsShowShadow;
}

void MShadow::DisableShadow(bool disable) {
    m_bIsDisableShadow = disable;
    if (!m_hWnd)
        return;
    if (disable) {
        ShowShadowWindow(false);
        return;
    }
    TakeParentState(m_hParent);
}

bool MShadow::IsDisableShadow() const {
    return m_bIsDisableShadow;
}

bool MShadow::SetSize(int size) {
    if (!InRange(size))
        return false;
    m_nSize = static_cast<signed char>(size);
    Refresh();
    return true;
}

bool MShadow::SetSharpness(unsigned int sharpness) {
    if (sharpness > kLimit)
        return false;
    m_nSharpness = static_cast<BYTE>(sharpness);
    Refresh();
    return true;
}

bool MShadow::SetDarkness(unsigned int darkness) {
    if (darkness > 255)
        return false;
    m_nDarkness = static_cast<BYTE>(darkness);
    Refresh();
    return true;
}

bool MShadow::SetPosition(int x, int y) {
    if (!InRange(x) || !InRange(y))
        return false;
    m_nxOffset = static_cast<signed char>(x);
    m_nyOffset = static_cast<signed char>(y);
    Refresh();
    return true;
}

bool MShadow::SetColor(COLORREF color) {
    m_Color = color;
    Refresh();
    return true;
}

bool MShadow::SetImage(const wchar_t* fileName) {
    if (!fileName)
        return false;
    m_bIsImageMode = true;
    m_imagePath = fileName;
    m_image.Reset(MRender::LoadImageFromFile(GetSkinPath() + fileName));
    m_imageWidth = m_image ? static_cast<int>(m_image->GetWidth()) : 0;
    m_imageHeight = m_image ? static_cast<int>(m_image->GetHeight()) : 0;
    Refresh();
    return true;
}

bool MShadow::SetImage(UINT resourceId) {
    m_bIsImageMode = true;
    m_imageResId = resourceId;
    m_image.Reset(MRender::LoadImageFromIDResource(resourceId, L"PNG", Manager::m_hInstance));
    m_imageWidth = m_image ? static_cast<int>(m_image->GetWidth()) : 0;
    m_imageHeight = m_image ? static_cast<int>(m_image->GetHeight()) : 0;
    Refresh();
    return false;
}

bool MShadow::SetShadowCorner(RECT corner) {
    if (corner.left < 0 || corner.top < 0 || corner.right < 0 || corner.bottom < 0)
        return false;
    m_corner = corner;
    Refresh();
    return true;
}

bool MShadow::CopyShadow(MShadow* other) {
    if (m_bIsImageMode) {
        // A resource image has no file name to hand on.
        if (m_imagePath.IsEmpty() && m_imageResId)
            other->SetImage(m_imageResId);
        else
            other->SetImage(m_imagePath.GetString());
        other->SetShadowCorner(m_corner);
        other->SetSize(m_nSize);
    } else {
        other->SetSize(m_nSize);
        other->SetSharpness(m_nSharpness);
        other->SetDarkness(m_nDarkness);
        other->SetColor(m_Color);
        other->SetPosition(m_nxOffset, m_nyOffset);
    }
    other->m_bIsShowShadow = m_bIsShowShadow;
    return true;
}

DWORD MShadow::PreMultiply(COLORREF color, BYTE alpha) {
    DWORD pixel = static_cast<DWORD>(alpha) << 24;
    for (int shift = 0; shift < 24; shift += 8)
        pixel |= (((color >> shift) & 0xFF) * alpha / 255) << shift;
    return pixel;
}

LRESULT CALLBACK MShadow::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::map<HWND, MShadow*>& shadows = GetShadowMap();
    auto found = shadows.find(hwnd);
    if (found == shadows.end())
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    MShadow* shadow = found->second;
    WNDPROC previous = shadow->m_OriParentProc;
    shadow->OnParentMessage(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        shadow->Detach();
    return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
}

std::map<HWND, MShadow*>& MShadow::GetShadowMap() {
    static std::map<HWND, MShadow*> shadows;
    return shadows;
}

void MShadow::OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The end of the parent is followed even while the shadow is switched off.
    if (msg == WM_DESTROY) {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        m_Status = 0;
        return;
    }
    if (m_bIsDisableShadow)
        return;
    switch (msg) {
    case WM_MOVE:
        if (m_Status & STATE_VISIBLE)
            MoveToParent(parent);
        break;
    case WM_SIZE:
        OnParentSize(parent, wParam, lParam);
        break;
    case WM_PAINT:
        if (m_bUpdate) {
            m_bUpdate = false;
            Update(parent);
        }
        break;
    case WM_SHOWWINDOW:
        OnParentShow(static_cast<BOOL>(wParam));
        break;
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
        ::SetWindowPos(m_hWnd, parent, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        break;
    case WM_WINDOWPOSCHANGED:
        MoveToParent(parent);
        break;
    case WM_EXITSIZEMOVE:
        if (m_Status & STATE_VISIBLE)
            Update(parent);
        break;
    default:
        break;
    }
}

// Growing is repainted at the parent's next WM_PAINT, when the parent has drawn its new area.
void MShadow::OnParentSize(HWND parent, WPARAM type, LPARAM size) {
    if (m_Status & STATE_ENABLED) {
        if (type == SIZE_MINIMIZED || type == SIZE_MAXIMIZED) {
            ShowShadowWindow(false);
        } else if (m_Status & STATE_PARENT_VISIBLE) {
            bool grown = LOWORD(size) > LOWORD(m_WndSize) || HIWORD(size) > HIWORD(m_WndSize);
            // Shown first, so that the update below is not skipped for a hidden shadow.
            ShowShadowWindow(true);
            if (grown)
                m_bUpdate = true;
            else
                Update(parent);
        }
    }
    m_WndSize = size;
}

void MShadow::OnParentShow(BOOL shown) {
    if (!(m_Status & STATE_ENABLED))
        return;
    if (!shown) {
        ShowShadowWindow(false);
        m_Status &= ~STATE_PARENT_VISIBLE;
    } else if (!(m_Status & STATE_PARENT_VISIBLE)) {
        m_bUpdate = true;
        ShowShadowWindow(true);
        m_Status |= STATE_PARENT_VISIBLE;
    }
}

void MShadow::TakeParentState(HWND parent) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(parent, GWL_STYLE));
    if (!(style & WS_VISIBLE)) {
        m_Status = STATE_ENABLED;
    } else if (style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        m_Status = STATE_ENABLED | STATE_PARENT_VISIBLE;
    } else {
        m_Status = STATE_ENABLED | STATE_PARENT_VISIBLE;
        ShowShadowWindow(true);
        Update(parent);
    }
}

void MShadow::ShowShadowWindow(bool show) {
    if (show) {
        if (!(m_Status & STATE_VISIBLE))
            ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        m_Status |= STATE_VISIBLE;
    } else {
        ::ShowWindow(m_hWnd, SW_HIDE);
        m_Status &= ~STATE_VISIBLE;
    }
}

void MShadow::Refresh() {
    if (m_hWnd && (m_Status & STATE_VISIBLE))
        Update(m_hParent);
}

POINT MShadow::Placement(HWND parent) const {
    RECT rect = {};
    ::GetWindowRect(parent, &rect);
    if (m_bIsImageMode)
        return POINT{rect.left - m_corner.left, rect.top - m_corner.top};
    return POINT{rect.left + m_nxOffset - m_nSize, rect.top + m_nyOffset - m_nSize};
}

void MShadow::MoveToParent(HWND parent) {
    POINT position = Placement(parent);
    ::SetWindowPos(m_hWnd, parent, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void MShadow::Detach() {
    if (!m_hParent)
        return;
    std::map<HWND, MShadow*>& shadows = GetShadowMap();
    auto found = shadows.find(m_hParent);
    if (found != shadows.end() && found->second == this)
        shadows.erase(found);
    // Only a procedure that is still ours can be put back without cutting off a later subclass.
    if (::IsWindow(m_hParent) &&
        GetWindowLongPtrW(m_hParent, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MShadow::ParentProc))
        SetWindowLongPtrW(m_hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OriParentProc));
    m_hParent = nullptr;
}

} // namespace Vantix
