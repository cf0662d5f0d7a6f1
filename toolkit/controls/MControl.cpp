#include "controls/MControl.h"

#include <cwchar>
#include <utility>
#include <vector>

#include "core/PaintManager.h"
#include "core/ScopedLock.h"

namespace Vantix {

namespace {

ControlList TakeChildren(ControlList& list, CriticalSection& lock) {
    ControlList taken;
    ScopedLock hold(lock);
    taken.swap(list);
    return taken;
}

} // namespace

MControl::MControl(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responds)
    : m_parent(parent), m_manager(nullptr), m_id(id), m_rect(rect), m_visible(visible), m_enabled(enabled),
      m_dragDrop(0), m_responds(responds), m_tabStop(0), m_dblClk(0), m_pressed(0), m_keyDown(0),
      m_focused(0), m_updated(0), m_runTimer(0), m_hotChild(nullptr), m_memWidth(0), m_memHeight(0),
      m_animateWidth(0), m_animateHeight(0), m_cursor(nullptr) {}

MControl::~MControl() {
    // Children go before the locks that guard their lists.
    m_hotChild = nullptr;
    m_controls.clear();
    m_areaControls.clear();
}

const wchar_t* MControl::GetClassNameW() const {
    return L"MControl";
}

void MControl::InitControl(PaintManager*) {}

BOOL MControl::PtInRect(CPoint point) {
    return m_visible && m_rect.PtInRect(point);
}

int MControl::IsDraw(CPoint) {
    return 0;
}

int MControl::SetControlFocus(int focus) {
    if (!focus) {
        ScopedLock lock(m_controlLock);
        for (auto& child : m_controls)
            if (child)
                child->SetControlFocus(0);
    }
    return 0;
}

void MControl::InitUI(CRect) {}

int MControl::OnMousePointChange(CPoint&) {
    return 0;
}

int MControl::OnCheckMouseResponse(UINT, CPoint) {
    return 1;
}

LRESULT MControl::OnWindowMessage(UINT, WPARAM, LPARAM) {
    return 0;
}

LRESULT MControl::OnMessage(UINT, UINT, WPARAM, LPARAM) {
    return 0;
}

void MControl::SetControlRect(CRect rect) {
    m_rect = rect;
}

void MControl::SetControlVisible(int visible) {
    m_visible = visible;
}

void MControl::SetControlWndVisible(int) {}

void MControl::SetControlEnabled(int enabled) {
    m_enabled = enabled;
}

int MControl::OnControlTimer() {
    return 0;
}

HBITMAP MControl::GetControlDropBitmap() {
    return nullptr;
}

void MControl::OnPositionChange() {}

void MControl::SetManager(PaintManager* host) {
    m_manager = host;
    InitControl(host);
}

MControl* MControl::GetControl(UINT id) {
    for (ControlList* list : {&m_controls, &m_areaControls}) {
        for (auto& child : *list) {
            if (!child)
                continue;
            if (child->GetControlID() == id)
                return child.get();
            if (MControl* found = child->GetControl(id))
                return found;
        }
    }
    return nullptr;
}

int MControl::RemoveControl(MControl* child) {
    if (m_manager && child && m_manager->GetFocusControl() == child)
        m_manager->SetFocusControl(nullptr);
    std::unique_ptr<MControl> removed;
    {
        ScopedLock lock(m_controlLock);
        for (auto it = m_controls.begin(); it != m_controls.end(); ++it) {
            if (it->get() == child) {
                removed = std::move(*it);
                m_controls.erase(it);
                break;
            }
        }
        if (removed && m_hotChild == child)
            m_hotChild = nullptr;
    }
    // The host may be ticking the child; forgetting it waits for that, so no list lock is held here.
    if (removed && m_manager)
        m_manager->ForgetControl(removed.get());
    return 0;
}

void MControl::RemoveAllControl() {
    ControlList areas = TakeChildren(m_areaControls, m_areaLock);
    ControlList controls = TakeChildren(m_controls, m_controlLock);
    m_hotChild = nullptr;
    // Deleted only once the host has let go of them, outside the list locks.
    for (ControlList* removed : {&areas, &controls})
        for (auto& child : *removed)
            if (child && m_manager)
                m_manager->ForgetControl(child.get());
}

void MControl::AppendSubtree(std::vector<MControl*>& out) {
    out.push_back(this);
    for (ControlList* list : {&m_areaControls, &m_controls})
        for (auto& child : *list)
            if (child)
                child->AppendSubtree(out);
}

void MControl::SetRect(CRect rect) {
    CRect both;
    both.UnionRect(&m_rect, &rect);
    SetControlRect(rect);
    if (m_visible && m_parent)
        m_parent->OnControlUpdate(both, 1, this);
}

void MControl::SetRect(int x, int y, int cx, int cy) {
    SetRect(CRect(x, y, x + cx, y + cy));
}

void MControl::SetVisible(int visible) {
    SetVisible(visible, 1);
}

void MControl::SetVisible(int visible, int notify) {
    if (visible == m_visible)
        return;
    SetControlVisible(visible);
    if (notify && m_parent)
        m_parent->OnControlUpdate(m_rect, 1, this);
}

void MControl::SetEnabled(int enabled) {
    if (enabled == m_enabled)
        return;
    SetControlEnabled(enabled);
    if (m_visible && m_parent)
        m_parent->OnControlUpdate(m_rect, 1, this);
}

int MControl::IsParentVisible() {
    if (!m_parent)
        return 0;
    if (std::wcscmp(m_parent->GetClassNameW(), L"MDialog") == 0)
        return 1;
    // A parent that is not a control ends the chain like a dialog does.
    MControl* parent = dynamic_cast<MControl*>(m_parent);
    if (!parent)
        return 1;
    return parent->IsVisible() && parent->IsParentVisible();
}

int MControl::OnFocus(int focus) {
    return SetControlFocus(focus);
}

int MControl::IsFocusControl() {
    return m_manager && m_manager->GetFocusControl() == this;
}

MControl* MControl::GetFocusControl(MControl*) {
    return nullptr;
}

MControl* MControl::GetNextFocusableControl(MControl*) {
    return nullptr;
}

MControl* MControl::GetPrevFocusableControl(MControl*) {
    return nullptr;
}

void MControl::SetTooltip(const wchar_t* text) {
    m_tooltip = text ? text : L"";
}

void MControl::SetTooltip(CString text, CRect rect) {
    if (!m_manager)
        return;
    m_manager->SetTooltip(text.GetString(), rect);
    m_manager->SetTooltipCtrlID(static_cast<int>(m_id));
}

void MControl::ClearTooltip() {
    if (!m_manager)
        return;
    m_manager->ClearTooltip();
    m_manager->SetTooltipCtrlID(0);
}

void MControl::SetTooltipCtrlID(int) {}

int MControl::GetTooltipCtrlID() {
    return 0;
}

int MControl::SetCursorEx(const wchar_t* name) {
    struct NamedCursor {
        const wchar_t* name;
        LPCWSTR id;
    };
    static const NamedCursor cursors[] = {
        {L"arrow", IDC_ARROW},   {L"wait", IDC_WAIT}, {L"cross", IDC_CROSS}, {L"sizewe", IDC_SIZEWE},
        {L"sizens", IDC_SIZENS}, {L"hand", IDC_HAND}, {L"help", IDC_HELP},
    };
    if (!name)
        return 0;
    for (const NamedCursor& cursor : cursors)
        if (std::wcscmp(cursor.name, name) == 0)
            m_cursor = ::LoadCursorW(nullptr, cursor.id);
    return 0;
}

void MControl::AddMTimer() {
    if (m_manager)
        m_manager->AddMTimer(this);
}

HBITMAP MControl::GetDropBitmap() {
    return GetControlDropBitmap();
}

LRESULT MControl::SendMessageW(UINT code, WPARAM wParam, LPARAM lParam) {
    return m_parent ? m_parent->OnBaseMessage(m_id, code, wParam, lParam) : 0;
}

int MControl::PositionItem2Value(const FS_POSITION_ITEM& item, int low, int high) {
    const int value = static_cast<int>(item.value);
    switch (item.mode) {
    case 0:
        return item.fromEnd ? high - value : low + value;
    case 1:
        return low + (high - low) / 2 + (item.fromEnd ? -value : value);
    case 2: {
        // Stored between the steps so that x87 builds round to single precision as SSE builds do.
        volatile float scaled = static_cast<float>(high - low) * item.value;
        scaled = scaled / 100.0f;
        const int result = low + static_cast<int>(scaled);
        return result > high ? high : result;
    }
    default:
        return 0;
    }
}

} // namespace Vantix
