// PaintManager: set-up, teardown, the control registry, window operations and the factory entries.
#include "core/PaintManager.h"

#include <algorithm>
#include <new>
#include <utility>

#include "controls/ControlFactory.h"
#include "core/MWindow.h"
#include "core/ScopedLock.h"

namespace Vantix {

PaintManager::PaintManager()
    : m_owner(nullptr), m_initialised(0), m_hWnd(nullptr), m_maxWidth(0), m_maxHeight(0), m_minWidth(0),
      m_minHeight(0), m_dragX(0), m_dragY(0), m_dragPending(0), m_mouseTracking(0), m_pressed(0),
      m_captured(0), m_windowDrag(1), m_hover(nullptr), m_focus(nullptr), m_innerColor(RGB(5, 5, 5)),
      m_borderColor(RGB(189, 48, 255)), m_layered(0), m_bkWidth(0), m_bkHeight(0), m_msgLevel(MSG_INFO),
      m_msgAlpha(0), m_progressShown(0), m_progressTarget(0), m_msgFontName(L"Arial"), m_drawInfo(0),
      m_backMode(BACK_STRETCH), m_backParam(4), m_tickTimerId(0), m_timerIdCounter(4096), m_scrollVID(0),
      m_scrollHID(0), m_defaultEnabledColor(RGB(128, 128, 128)), m_tooltipCtrlId(0), m_hTooltip(nullptr),
      m_airBladderOwner(0), m_caretDrawn(0), m_caretShown(0), m_caretObject(nullptr) {}

PaintManager::~PaintManager() {
    // Ticks must stop before any member goes, also for a host that was never initialised.
    RKTimer::KillTimer();
    if (m_hTooltip && ::IsWindow(m_hTooltip))
        ::DestroyWindow(m_hTooltip);
    m_hTooltip = nullptr;
    if (m_airBladder)
        m_airBladder->DestroyWindow();
    m_airBladder.reset();
    m_dropBitmap.Reset();
    DestroyData();
    ClearAllControls();
}

void PaintManager::Init(HWND hwnd, MWindow* owner) {
    if (!hwnd || !::IsWindow(hwnd))
        return;
    if (hwnd != m_hWnd || !m_paintDC) {
        m_hWnd = hwnd;
        m_paintDC.Acquire(hwnd);
    }
    m_owner = owner;
    InitDragDrop();
    SetTargetWnd(hwnd);
    m_initialised = 1;
    SetScrollResID(102, 101);
    AddGDITempFont(106);
}

void PaintManager::OnDestroyMessage(HWND hwnd) {
    if (hwnd && hwnd == m_hWnd)
        DestroyData();
}

void PaintManager::DestroyData() {
    if (!m_initialised)
        return;
    UninitDragDrop();
    m_bkImage.Reset();
    m_bkWidth = 0;
    m_bkHeight = 0;
    m_paintDC.Reset();
    RKTimer::KillTimer();
    ClearTimers();
    {
        // Waits for a tick still running on the timer thread; none starts after this.
        ScopedLock lock(m_tickLock);
        m_tickControls.clear();
    }
    ClearAreaControls();
    ClearControls();
    ClearImgResInfo();
    ClearTempFont();
    // The locks stay until the destructor, so a late repaint request from another thread finds them
    // and walks empty lists.
    m_dragPending = 0;
    m_mouseTracking = 0;
    m_pressed = 0;
    m_captured = 0;
    m_initialised = 0;
}

MControl* PaintManager::GetControl(UINT id) {
    for (ControlList* list : {&m_controls, &m_areaControls}) {
        for (auto& control : *list) {
            if (!control)
                continue;
            if (control->GetControlID() == id)
                return control.get();
            if (MControl* found = control->GetControl(id))
                return found;
        }
    }
    return nullptr;
}

MControl* PaintManager::AttachControl(UINT list, MControl* control) {
    if (!control)
        return nullptr;
    if (list > 1) {
        control->SetManager(this);
        return control;
    }
    std::unique_ptr<MControl> owned(control);
    ControlList& target = list == 0 ? m_areaControls : m_controls;
    CriticalSection& lock = list == 0 ? m_areaLock : m_controlLock;
    {
        // Room first, so that the append below cannot fail once the control knows its host.
        ScopedLock hold(lock);
        try {
            target.reserve(target.size() + 1);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    // InitControl may take other locks of the host, so no list lock is held around it.
    control->SetManager(this);
    ScopedLock hold(lock);
    target.push_back(std::move(owned));
    return control;
}

int PaintManager::RemoveControl(MControl* control) {
    std::unique_ptr<MControl> removed;
    {
        ScopedLock lock(m_controlLock);
        auto it = std::find_if(
            m_controls.begin(), m_controls.end(),
            [control](const std::unique_ptr<MControl>& entry) { return entry.get() == control; });
        if (it == m_controls.end() || !control)
            return 0;
        removed = std::move(*it);
        m_controls.erase(it);
    }
    ForgetControl(removed.get());
    return 1;
}

ControlList PaintManager::TakeAll(ControlList& list, CriticalSection& lock) {
    ControlList taken;
    ScopedLock hold(lock);
    taken.swap(list);
    return taken;
}

void PaintManager::ClearAreaControls() {
    ControlList removed = TakeAll(m_areaControls, m_areaLock);
    ForgetControls(removed);
}

void PaintManager::ClearControls() {
    ControlList removed = TakeAll(m_controls, m_controlLock);
    ForgetControls(removed);
}

void PaintManager::ClearAllControls() {
    ClearAreaControls();
    ClearControls();
}

void PaintManager::ForgetControls(const ControlList& controls) {
    std::vector<MControl*> subtree;
    for (auto& control : controls)
        if (control)
            control->AppendSubtree(subtree);
    ForgetSubtree(subtree);
}

void PaintManager::ForgetControl(MControl* control) {
    if (!control)
        return;
    std::vector<MControl*> subtree;
    control->AppendSubtree(subtree);
    ForgetSubtree(subtree);
}

void PaintManager::ForgetSubtree(const std::vector<MControl*>& subtree) {
    if (subtree.empty())
        return;
    auto inSubtree = [&subtree](MControl* control) {
        return std::find(subtree.begin(), subtree.end(), control) != subtree.end();
    };
    if (m_hover && inSubtree(m_hover))
        m_hover = nullptr;
    if (m_focus && inSubtree(m_focus))
        m_focus = nullptr;
    {
        ScopedLock lock(m_tickLock);
        m_tickControls.erase(std::remove_if(m_tickControls.begin(), m_tickControls.end(), inSubtree),
                             m_tickControls.end());
    }
    for (MControl* control : subtree)
        KillTimer(control);
}

void PaintManager::SetFocusControl(MControl* control) {
    if (control == m_focus)
        return;
    if (m_focus)
        m_focus->SetControlFocus(0);
    if (control)
        control->SetControlFocus(1);
    m_focus = control;
}

MControl* PaintManager::CreateArea(MObject* parent, const wchar_t* className, UINT id, CRect rect,
                                   const wchar_t* text, int visible, int enabled) {
    return CreateControl(0, parent, className, id, rect, text, visible, enabled);
}

MControl* PaintManager::CreateControl(MObject* parent, const wchar_t* className, UINT id, CRect rect,
                                      const wchar_t* text, int visible, int enabled) {
    return CreateControl(1, parent, className, id, rect, text, visible, enabled);
}

MControl* PaintManager::CreateControl(UINT list, MObject* parent, const wchar_t* className, UINT id,
                                      CRect rect, const wchar_t* text, int visible, int enabled) {
    // Nothing may leave the library as an exception: a control that cannot be built is no control.
    MControl* control = nullptr;
    try {
        control = ControlFactory::Construct(ControlFactory::WINDOW_TABLE, parent, className, id, rect, text,
                                            visible, enabled);
    } catch (...) {
        return nullptr;
    }
    return AttachControl(list, control);
}

bool PaintManager::IsWindowValid() const {
    return m_hWnd && ::IsWindow(m_hWnd);
}

void PaintManager::SetCapture() {
    if (IsWindowValid())
        ::SetCapture(m_hWnd);
}

void PaintManager::ReleaseCapture() {
    if (IsWindowValid())
        ::ReleaseCapture();
}

LRESULT PaintManager::SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
    return IsWindowValid() ? ::SendMessageW(m_hWnd, msg, wParam, lParam) : 0;
}

LRESULT PaintManager::PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(msg, wParam, lParam);
}

void PaintManager::GetClientRect(CRect& rect) {
    if (IsWindowValid())
        ::GetClientRect(m_hWnd, &rect);
}

void PaintManager::GetWindowRect(CRect& rect) {
    if (IsWindowValid())
        ::GetWindowRect(m_hWnd, &rect);
}

void PaintManager::GetClientSize(int& width, int& height) {
    if (!IsWindowValid())
        return;
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    width = client.Width();
    height = client.Height();
}

void PaintManager::SetWindowMaxSize(int width, int height) {
    m_maxWidth = width;
    m_maxHeight = height;
}

void PaintManager::GetWindowManSize(int& width, int& height) const {
    width = m_maxWidth;
    height = m_maxHeight;
}

void PaintManager::SetWindowMixSize(int width, int height) {
    m_minWidth = width;
    m_minHeight = height;
}

void PaintManager::GetWindowMinSize(int& width, int& height) const {
    width = m_minWidth;
    height = m_minHeight;
}

} // namespace Vantix
