// PaintManager: the message entry and the translation of mouse, wheel, key and activation messages
// into calls on the controls, the Tab order and the repaint requests of controls.
#include "core/PaintManager.h"

#include <windowsx.h>
#include <commctrl.h>
#include <cstdlib>

#include "core/ScopedLock.h"

namespace Vantix {

namespace {

const CPoint kOutside(-1, -1);

// The point of a mouse message: signed low and high words.
CPoint MessagePoint(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool Overlaps(const CRect& first, const CRect& second) {
    CRect common;
    return common.IntersectRect(&first, &second) != FALSE;
}

bool IsFocusable(const MControl* control) {
    return control && control->IsVisible() && control->IsEnabled() && control->IsTabStop();
}

void ApplyTrackLimits(MINMAXINFO& info, int minWidth, int minHeight, int maxWidth, int maxHeight) {
    if (minWidth > 0)
        info.ptMinTrackSize.x = minWidth;
    if (minHeight > 0)
        info.ptMinTrackSize.y = minHeight;
    if (maxWidth > 0)
        info.ptMaxTrackSize.x = info.ptMaxSize.x = maxWidth;
    if (maxHeight > 0)
        info.ptMaxTrackSize.y = info.ptMaxSize.y = maxHeight;
}

bool IsTooltipRelayed(UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT PaintManager::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    {
        // A control that takes the message hides it from the host, not from the previous procedure.
        ScopedLock lock(m_controlLock);
        for (auto& control : m_controls)
            if (control && control->OnWindowMessage(msg, wParam, lParam))
                return 0;
    }
    const UINT keys = static_cast<UINT>(wParam);
    switch (msg) {
    case WM_PAINT:
        return OnPaint() ? 1 : 0;
    case WM_GETMINMAXINFO:
        if (lParam)
            ApplyTrackLimits(*reinterpret_cast<MINMAXINFO*>(lParam), m_minWidth, m_minHeight, m_maxWidth,
                             m_maxHeight);
        return 1;
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SIZE:
    case WM_CHAR:
    case WM_MOUSEHOVER:
        return 1;
    case WM_NCDESTROY:
        DestroyData();
        return 1;
    case WM_NCACTIVATE:
        OnNcActivate(static_cast<BOOL>(wParam));
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(keys, lParam);
        return 1;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // Reflected to the child window that sent it.
        return lParam ? ::SendMessageW(reinterpret_cast<HWND>(lParam), msg + 0x2000, wParam, lParam) : 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(keys, MessagePoint(lParam));
        return 1;
    case WM_LBUTTONDOWN:
        OnLButtonDown(keys, MessagePoint(lParam));
        return 1;
    case WM_LBUTTONUP:
        OnLButtonUp(keys, MessagePoint(lParam));
        return 1;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(keys, MessagePoint(lParam));
        return 1;
    case WM_RBUTTONDOWN:
        OnRButtonDown(keys, MessagePoint(lParam));
        return 1;
    case WM_RBUTTONUP:
        OnRButtonUp(keys, MessagePoint(lParam));
        return 1;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(keys, MessagePoint(lParam));
        return 1;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                            MessagePoint(lParam));
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 1;
    default:
        return 0;
    }
}

int PaintManager::HoverAccepts(UINT keys, CPoint point) const {
    return m_hover && m_hover->IsVisible() && m_hover->GetRresponse() && m_hover->PtInRect(point) &&
           m_hover->OnCheckMouseResponse(keys, point);
}

int PaintManager::OnMouseMove(UINT keys, CPoint point) {
    if (!m_mouseTracking) {
        TRACKMOUSEEVENT request = {sizeof(request), TME_HOVER | TME_LEAVE, m_hWnd, 400};
        m_mouseTracking = ::_TrackMouseEvent(&request) ? 1 : 0;
    }
    if (m_dragPending && (keys & MK_LBUTTON)) {
        const bool movedFar = std::abs(point.x - m_dragX) > 2 && std::abs(point.y - m_dragY) > 2;
        m_dragX = point.x;
        m_dragY = point.y;
        if (!movedFar) {
            StartControlDrag();
            return 1;
        }
    }
    if (m_hover) {
        if (m_hover->PtInRect(point) && m_hover->OnCheckMouseResponse(keys, point) && m_mouseTracking) {
            m_hover->OnMouseMove(keys, point);
            return 1;
        }
        ClearTooltip();
    }
    // While the left button is held on a control no other control sees the moves; the pressed control
    // follows the pointer outside its rectangle too, as the capture promises.
    if (m_pressed) {
        if (m_hover)
            m_hover->OnMouseMove(keys, point);
        return 1;
    }
    if (!m_mouseTracking) {
        m_hover = nullptr;
        return 1;
    }
    MControl* hover = nullptr;
    {
        ScopedLock lock(m_controlLock);
        for (auto& control : m_controls) {
            if (!control)
                continue;
            control->OnMouseMove(keys, point);
            if (control->PtInRect(point) && control->GetRresponse())
                hover = control.get();
        }
    }
    m_hover = hover;
    return 1;
}

int PaintManager::OnMouseLeave() {
    ClearTooltip();
    m_mouseTracking = 0;
    if (m_pressed)
        return 1;
    if (m_hover)
        m_hover->OnMouseMove(0, kOutside);
    m_hover = nullptr;
    m_pressed = 0;
    return 1;
}

int PaintManager::OnButtonDown(UINT keys, CPoint point, bool left) {
    if (m_focus != m_hover && m_focus) {
        m_focus->SetControlFocus(0);
        m_focus = nullptr;
    }
    if (!HoverAccepts(keys, point))
        return 0;
    MControl* control = m_hover;
    if (left) {
        if (control->IsDragDrop() && control->IsEnabled()) {
            m_dragPending = 1;
            m_dropBitmap.Reset(control->GetDropBitmap());
        }
        m_pressed = 1;
    }
    // The control's own button handling deals with its focus state.
    m_focus = control;
    const int handled = left ? control->OnLButtonDown(keys, point) : control->OnRButtonDown(keys, point);
    if (!m_captured && (!m_hover || m_hover->OnCheckMouseResponse(keys, point))) {
        SetCapture();
        m_captured = 1;
        return 1;
    }
    return handled;
}

int PaintManager::OnLButtonDown(UINT keys, CPoint point) {
    if (OnButtonDown(keys, point, true))
        return 1;
    if (m_windowDrag) {
        // Where no control takes the press, the system moves the window.
        ReleaseCapture();
        SendMessageW(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    }
    return 1;
}

int PaintManager::OnRButtonDown(UINT keys, CPoint point) {
    OnButtonDown(keys, point, false);
    return 1;
}

int PaintManager::OnButtonUp(UINT keys, CPoint point, bool left) {
    if (m_captured) {
        ReleaseCapture();
        m_captured = 0;
    }
    m_pressed = 0;
    if (!m_hover)
        return 1;
    if (!m_hover->IsVisible() || !m_hover->GetRresponse()) {
        m_hover = nullptr;
        return 1;
    }
    const CRect rect = m_hover->GetRect();
    if (left)
        m_hover->OnLButtonUp(keys, point);
    else
        m_hover->OnRButtonUp(keys, point);
    if (!rect.PtInRect(point))
        m_hover = nullptr;
    return 1;
}

int PaintManager::OnLButtonUp(UINT keys, CPoint point) {
    // A press released without a drag leaves nothing pending for the next press elsewhere.
    m_dragPending = 0;
    return OnButtonUp(keys, point, true);
}

int PaintManager::OnRButtonUp(UINT keys, CPoint point) {
    return OnButtonUp(keys, point, false);
}

int PaintManager::OnButtonDblClk(UINT keys, CPoint point, bool left) {
    if (!m_hover || !m_hover->IsVisible() || !m_hover->GetRresponse()) {
        m_hover = nullptr;
        return 1;
    }
    const CRect rect = m_hover->GetRect();
    if (left)
        m_hover->OnLButtonDblClk(keys, point);
    else
        m_hover->OnRButtonDblClk(keys, point);
    if (!rect.PtInRect(point))
        m_hover = nullptr;
    return 1;
}

int PaintManager::OnLButtonDblClk(UINT keys, CPoint point) {
    return OnButtonDblClk(keys, point, true);
}

int PaintManager::OnRButtonDblClk(UINT keys, CPoint point) {
    return OnButtonDblClk(keys, point, false);
}

int PaintManager::OnNcActivate(BOOL active) {
    if (!active) {
        m_mouseTracking = 0;
        m_captured = 0;
        if (m_pressed) {
            m_pressed = 0;
            if (m_hover)
                m_hover->OnLButtonUp(0, kOutside);
        } else if (m_hover) {
            m_hover->OnMouseMove(0, kOutside);
        }
        m_hover = nullptr;
    }
    if (IsWindowValid()) {
        CRect client;
        ::GetClientRect(m_hWnd, &client);
        InvalidateRect(client, FALSE);
    }
    return 1;
}

int PaintManager::OnMouseWheel(UINT, short delta, CPoint screenPoint) {
    CPoint point = screenPoint;
    if (IsWindowValid())
        ::ScreenToClient(m_hWnd, &point);
    const int notches = delta / 120;
    const UINT direction = notches <= 0 ? 1 : 0;
    int taken = 0;
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        if (m_hover && m_hover->OnScroll(1, direction, point)) {
            taken = 1;
            continue;
        }
        ScopedLock lock(m_controlLock);
        for (auto& control : m_controls) {
            if (control && control->OnScroll(1, direction, point)) {
                taken = 1;
                break;
            }
        }
    }
    return taken;
}

UINT PaintManager::ModifierCode() {
    UINT code = 0;
    if (::GetKeyState(VK_MENU) < 0)
        code = VK_MENU;
    else if (::GetKeyState(VK_SHIFT) < 0)
        code = VK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        code |= VK_CONTROL;
    return code;
}

int PaintManager::OnKeyDown(UINT vk, LPARAM) {
    const UINT modifiers = ModifierCode();
    if (m_hover && m_hover->OnKeyDown(vk, 1, modifiers))
        return 1;
    ScopedLock lock(m_controlLock);
    for (auto& control : m_controls)
        if (control && control->OnKeyDown(vk, 1, modifiers))
            break;
    return 1;
}

MControl* PaintManager::FindFocusable(bool forwards) {
    ScopedLock lock(m_controlLock);
    const int count = static_cast<int>(m_controls.size());
    auto at = [&](int step) { return m_controls[forwards ? step : count - 1 - step].get(); };
    bool passed = false;
    for (int step = 0; step < count; ++step) {
        MControl* control = at(step);
        if (passed && IsFocusable(control))
            return control;
        if (m_focus && control == m_focus)
            passed = true;
    }
    // A focus control that is not top-level has no place in the order.
    if (m_focus && !passed)
        return nullptr;
    for (int step = 0; step < count; ++step)
        if (IsFocusable(at(step)))
            return at(step);
    return nullptr;
}

MControl* PaintManager::GetNextFocusableControl() {
    return FindFocusable(true);
}

MControl* PaintManager::GetPrevFocusableControl() {
    return FindFocusable(false);
}

BOOL PaintManager::PreTranslateMessage(MSG* msg) {
    if (!msg)
        return 0;
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_TAB) {
        const UINT modifiers = ModifierCode();
        if (modifiers == 0 || modifiers == VK_SHIFT) {
            MControl* next = modifiers == 0 ? GetNextFocusableControl() : GetPrevFocusableControl();
            if (next != m_focus) {
                SetFocusControl(next);
                return 1;
            }
        }
    }
    if (IsTooltipRelayed(msg->message) && m_hTooltip && ::IsWindow(m_hTooltip))
        ::SendMessageW(m_hTooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    return 0;
}

void PaintManager::AddControlsAbove(ControlList& list, CriticalSection& lock, MControl* control, CRect rect,
                                    bool& met, CRect& dirty) {
    ScopedLock hold(lock);
    for (auto& entry : list) {
        MControl* above = entry.get();
        if (!above)
            continue;
        if (above == control) {
            met = true;
            continue;
        }
        // Painted after the changed control, so painted over it: it must be composed again.
        if (met && above->IsVisible() && Overlaps(above->GetRect(), rect)) {
            const CRect aboveRect = above->GetRect();
            const CRect before = dirty;
            dirty.UnionRect(&before, &aboveRect);
            above->SetUpdate(0, m_innerColor);
        }
    }
}

int PaintManager::OnControlUpdate(CRect rect, int redraw, MControl* control) {
    if (!control)
        return 0;
    CRect dirty = rect;
    if (redraw)
        control->SetUpdate(0, m_innerColor);
    if (m_initialised) {
        // One list lock at a time: the area walk ends before the control walk starts.
        bool met = false;
        AddControlsAbove(m_areaControls, m_areaLock, control, rect, met, dirty);
        AddControlsAbove(m_controls, m_controlLock, control, rect, met, dirty);
    }
    InvalidateRect(dirty, FALSE);
    return 0;
}

} // namespace Vantix
