// MControl's input entry points: each routes the event down the child tree, then to the own hooks.
#include "controls/MControl.h"

#include "core/PaintManager.h"
#include "core/ScopedLock.h"

namespace Vantix {

namespace {

// A container's own scroll bars (ids 1 and 2) live in window coordinates, the other children in the
// container's translated ones.
CPoint ChildPoint(const MControl& child, CPoint original, CPoint translated) {
    const UINT id = child.GetControlID();
    return id == 1 || id == 2 ? original : translated;
}

} // namespace

int MControl::OnMouseMove(UINT flags, CPoint point) {
    if (!m_visible || !m_responds)
        return 0;
    const CPoint original = point;
    OnMousePointChange(point);
    if (m_hotChild) {
        const CPoint childPoint = ChildPoint(*m_hotChild, original, point);
        if (m_hotChild->PtInRect(childPoint) && m_hotChild->OnCheckMouseResponse(flags, childPoint))
            return m_hotChild->OnMouseMove(flags, childPoint) != 0;
        // The child that took the press keeps getting the moves.
        if (m_pressed)
            return m_hotChild->OnMouseMove(flags, childPoint) != 0;
    }
    MControl* const previousHot = m_hotChild;
    m_hotChild = nullptr;
    if (!m_tooltip.IsEmpty() && m_manager && PtInRect(original) && OnCheckMouseResponse(flags, original) &&
        m_manager->GetTooltipCtrlID() != static_cast<int>(m_id)) {
        m_manager->SetTooltip(m_tooltip.GetString(), m_rect);
        m_manager->SetTooltipCtrlID(static_cast<int>(m_id));
    }
    OnControlSetCursor(flags, point);
    int result = OnControlMouseMove(flags, point);
    if (m_pressed)
        return result;
    {
        ScopedLock lock(m_controlLock);
        for (auto& child : m_controls) {
            if (!child)
                continue;
            const CPoint childPoint = ChildPoint(*child, original, point);
            if (child->OnMouseMove(flags, childPoint)) {
                result = 1;
                if (child->PtInRect(childPoint))
                    m_hotChild = child.get();
            }
        }
    }
    return m_hotChild || previousHot ? 1 : result;
}

int MControl::OnButtonDown(UINT flags, CPoint point, bool left) {
    if (!m_visible || !m_responds)
        return 0;
    const CPoint original = point;
    OnMousePointChange(point);
    m_pressed = m_rect.PtInRect(point);
    {
        ScopedLock lock(m_controlLock);
        for (auto& child : m_controls)
            if (child && child->PtInRect(point) && child->IsVisible() && child->IsEnabled() &&
                child->GetRresponse())
                m_hotChild = child.get();
    }
    if (m_hotChild) {
        const CPoint childPoint = ChildPoint(*m_hotChild, original, point);
        return (left ? m_hotChild->OnLButtonDown(flags, childPoint)
                     : m_hotChild->OnRButtonDown(flags, childPoint)) != 0;
    }
    if (m_manager)
        m_manager->SetFocusControl(this);
    return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
}

int MControl::OnButtonUp(UINT flags, CPoint point, bool left) {
    if (!m_visible || !m_responds)
        return 0;
    const CPoint original = point;
    OnMousePointChange(point);
    m_pressed = 0;
    if (m_hotChild) {
        const CPoint childPoint = ChildPoint(*m_hotChild, original, point);
        return (left ? m_hotChild->OnLButtonUp(flags, childPoint)
                     : m_hotChild->OnRButtonUp(flags, childPoint)) != 0;
    }
    return left ? OnControlLButtonUp(flags, point) : OnControlRButtonUp(flags, point);
}

int MControl::OnButtonDblClk(UINT flags, CPoint point, bool left) {
    if (!m_visible || !m_responds)
        return 0;
    const CPoint original = point;
    OnMousePointChange(point);
    m_pressed = 0;
    if (!m_hotChild) {
        // Without the double-click flag a double click is a second press.
        if (m_dblClk)
            return left ? OnControlLButtonDblClk(flags, point) : OnControlRButtonDblClk(flags, point);
        return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
    }
    MControl* const hot = m_hotChild;
    const CPoint childPoint = ChildPoint(*hot, original, point);
    if (left ? hot->OnLButtonDblClk(flags, childPoint) : hot->OnRButtonDblClk(flags, childPoint))
        return 1;
    if (!hot->GetDblClk())
        return left ? hot->OnLButtonDown(flags, childPoint) : hot->OnRButtonDown(flags, childPoint);
    return 0;
}

int MControl::OnLButtonDown(UINT flags, CPoint point) {
    return OnButtonDown(flags, point, true);
}

int MControl::OnLButtonUp(UINT flags, CPoint point) {
    return OnButtonUp(flags, point, true);
}

int MControl::OnLButtonDblClk(UINT flags, CPoint point) {
    return OnButtonDblClk(flags, point, true);
}

int MControl::OnRButtonDown(UINT flags, CPoint point) {
    return OnButtonDown(flags, point, false);
}

int MControl::OnRButtonUp(UINT flags, CPoint point) {
    return OnButtonUp(flags, point, false);
}

int MControl::OnRButtonDblClk(UINT flags, CPoint point) {
    return OnButtonDblClk(flags, point, false);
}

int MControl::OnScroll(int count, UINT direction, CPoint point) {
    if (!m_visible || !m_responds || !m_enabled)
        return 0;
    if (m_hotChild && m_hotChild->PtInRect(point) && m_hotChild->OnCheckMouseResponse(0, point))
        return m_hotChild->OnScroll(count, direction, point) != 0;
    if (!m_rect.PtInRect(point))
        return 0;
    if (OnControlScroll(count, direction, point))
        return 1;
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->PtInRect(point) && child->OnScroll(count, direction, point))
            return 1;
    return 0;
}

MControl* MControl::FindFocusedChild() {
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->IsFocused())
            return child.get();
    return nullptr;
}

int MControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // The key belongs to the deepest child holding the keyboard; the lock is not kept while descending.
    MControl* target = this;
    for (;;) {
        if (!target->m_visible || !target->m_responds)
            return 0;
        MControl* focused = target->FindFocusedChild();
        if (!focused)
            break;
        target = focused;
    }
    return target->RouteKeyDown(nChar, nRepCnt, nFlags);
}

int MControl::RouteKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_hotChild && m_hotChild->OnKeyDown(nChar, nRepCnt, nFlags))
        return 1;
    if (OnControlKeyDown(nChar, nRepCnt, nFlags))
        return 1;
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->OnKeyDown(nChar, nRepCnt, nFlags))
            return 1;
    return 0;
}

int MControl::OnKeyUp(UINT, UINT, UINT) {
    return 0;
}

int MControl::OnTimer() {
    int result = OnControlTimer();
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->IsRunTimer() && child->IsVisible() && child->OnTimer())
            result = 1;
    return result;
}

int MControl::OnControlMouseMove(UINT, CPoint) {
    return 0;
}

int MControl::OnControlSetCursor(UINT, CPoint point) {
    if (!m_cursor || !m_rect.PtInRect(point))
        return 0;
    ::SetCursor(m_cursor);
    return 1;
}

int MControl::OnControlLButtonDown(UINT, CPoint) {
    return 0;
}

int MControl::OnControlLButtonUp(UINT, CPoint) {
    return 0;
}

int MControl::OnControlLButtonDblClk(UINT, CPoint) {
    return 0;
}

int MControl::OnControlScroll(int, UINT, CPoint) {
    return 0;
}

int MControl::OnControlRButtonDown(UINT, CPoint) {
    return 0;
}

int MControl::OnControlRButtonUp(UINT, CPoint) {
    return 0;
}

int MControl::OnControlRButtonDblClk(UINT, CPoint) {
    return 0;
}

int MControl::OnControlKeyDown(UINT, UINT, UINT) {
    return 0;
}

} // namespace Vantix
