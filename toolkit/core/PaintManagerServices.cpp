// PaintManager: per-window services for the controls: system timers multiplexed over the window,
// high-resolution ticks, the single tooltip, the balloon tip, the drop shadow and the caret.
#include "core/PaintManager.h"

#include <commctrl.h>
#include <algorithm>
#include <new>
#include <utility>

#include "controls/MControlFont.h"
#include "core/LibraryModule.h"
#include "core/Manager.h"
#include "core/ScopedLock.h"

namespace Vantix {

namespace {

// Control timer ids run 0 to 239; the sequence starts at 17.
const UINT kTimerIdRange = 240;
const UINT kTooltipToolId = 1313;
const UINT kChineseCodePage = 936;

bool IsHostTimerId(UINT id) {
    return id == 66 || id == 88 || id == 99 || id == 6553;
}

bool InShadowRange(int value) {
    return value >= -35 && value <= 35;
}

} // namespace

// ---- control timers ----

bool PaintManager::NextTimerId(UINT& id) {
    for (UINT tries = 0; tries < kTimerIdRange; ++tries) {
        m_timerIdCounter = (m_timerIdCounter + 1) % kTimerIdRange;
        const UINT candidate = m_timerIdCounter;
        // Two timers on one id would share one system timer; a host id would reach the overlay instead.
        const bool taken =
            std::any_of(m_timers.begin(), m_timers.end(), [&](const std::unique_ptr<TimerEntry>& e) {
                return e->window == m_hWnd && e->systemId == candidate;
            });
        if (!taken && !IsHostTimerId(candidate)) {
            id = candidate;
            return true;
        }
    }
    return false;
}

PaintManager::TimerEntry* PaintManager::FindTimer(MControl* control, UINT key) {
    for (auto& entry : m_timers)
        if (entry->control == control && entry->window == m_hWnd && entry->key == key)
            return entry.get();
    return nullptr;
}

MControl* PaintManager::FindTimerControl(UINT systemId) {
    for (auto& entry : m_timers)
        if (!entry->killed && entry->window == m_hWnd && entry->systemId == systemId)
            return entry->control;
    return nullptr;
}

int PaintManager::SetTimer(MControl* control, UINT key, UINT elapse) {
    if (!control || !IsWindowValid())
        return 0;
    ScopedLock lock(m_timerLock);
    if (TimerEntry* entry = FindTimer(control, key)) {
        if (!entry->killed || !::SetTimer(m_hWnd, entry->systemId, elapse, nullptr))
            return 0;
        entry->killed = FALSE;
        return 1;
    }
    UINT id = 0;
    if (!NextTimerId(id))
        return 0;
    try {
        // Room first, so that nothing can fail once the system timer runs.
        auto entry = std::make_unique<TimerEntry>(TimerEntry{m_hWnd, key, id, FALSE, control});
        m_timers.reserve(m_timers.size() + 1);
        if (!::SetTimer(m_hWnd, id, elapse, nullptr))
            return 0;
        m_timers.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int PaintManager::KillTimer(MControl* control, UINT key) {
    ScopedLock lock(m_timerLock);
    TimerEntry* entry = FindTimer(control, key);
    if (!entry || entry->killed)
        return 0;
    if (IsWindowValid())
        ::KillTimer(m_hWnd, entry->systemId);
    entry->killed = TRUE;
    return 1;
}

void PaintManager::KillTimer(MControl* control) {
    ScopedLock lock(m_timerLock);
    const bool valid = IsWindowValid();
    auto ofControl = [&](const std::unique_ptr<TimerEntry>& entry) {
        return entry->control == control && entry->window == m_hWnd;
    };
    for (auto& entry : m_timers)
        if (ofControl(entry) && !entry->killed && valid)
            ::KillTimer(m_hWnd, entry->systemId);
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(), ofControl), m_timers.end());
}

void PaintManager::ClearTimers() {
    ScopedLock lock(m_timerLock);
    if (IsWindowValid())
        for (auto& entry : m_timers)
            if (entry->window == m_hWnd && !entry->killed)
                ::KillTimer(m_hWnd, entry->systemId);
    m_timers.clear();
}

void PaintManager::OnTimer(UINT id) {
    switch (id) {
    case TIMER_CARET:
        CaretBlink();
        return;
    case TIMER_MESSAGE_HOLD:
        OnMessageHoldTimer();
        return;
    case TIMER_MESSAGE_FADE:
        OnMessageFadeTimer();
        return;
    case TIMER_PROGRESS:
        OnProgressTimer();
        return;
    default:
        break;
    }
    MControl* control = nullptr;
    {
        ScopedLock lock(m_timerLock);
        control = FindTimerControl(id);
    }
    // Called unlocked: the handler may kill or re-arm its timers, or remove itself.
    if (control)
        control->OnTimer();
}

// ---- high-resolution ticks ----

UINT PaintManager::SetMTimer(UINT elapse) {
    // Ticks of an earlier tick timer would be ignored: stop it rather than leave it running.
    if (const UINT previous = m_tickTimerId.exchange(0))
        RKTimer::KillTimer(previous);
    const UINT id = RKTimer::SetTimer(elapse, CString(), 0);
    m_tickTimerId = id;
    return id;
}

void PaintManager::KillMTimer(UINT id) {
    RKTimer::KillTimer(id);
    if (id == m_tickTimerId)
        m_tickTimerId = 0;
}

void PaintManager::KillMTimer() {
    RKTimer::KillTimer();
    m_tickTimerId = 0;
}

int PaintManager::AddMTimer(MControl* control) {
    ScopedLock lock(m_tickLock);
    try {
        m_tickControls.push_back(control);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int PaintManager::DeleteFSTimer(MControl* control) {
    ScopedLock lock(m_tickLock);
    auto found = std::find(m_tickControls.begin(), m_tickControls.end(), control);
    if (found == m_tickControls.end())
        return 0;
    m_tickControls.erase(found);
    return 1;
}

void PaintManager::OnMTimer(UINT id) {
    if (id == 0 || id != m_tickTimerId)
        return;
    // Held for the whole walk, so that the window thread cannot delete a control meanwhile. By index:
    // a handler may take its own control off the list.
    ScopedLock lock(m_tickLock);
    for (size_t i = 0; i < m_tickControls.size(); ++i)
        if (MControl* control = m_tickControls[i])
            control->OnTimer();
}

// ---- tooltip ----

void PaintManager::SetTooltip(const wchar_t* text, CRect) {
    const bool exists = m_hTooltip && ::IsWindow(m_hTooltip);
    if (!text || !*text) {
        if (exists) {
            UpdateTooltipText(L"");
            ::SendMessageW(m_hTooltip, TTM_ACTIVATE, FALSE, 0);
        }
        return;
    }
    if (exists) {
        UpdateTooltipText(text);
        ::SendMessageW(m_hTooltip, TTM_ACTIVATE, TRUE, 0);
        return;
    }
    CreateTooltip(text);
}

void PaintManager::CreateTooltip(const wchar_t* text) {
    if (!IsWindowValid())
        return;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    m_hTooltip =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"tooltips_class32",
                          WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, GetLibraryModule(), nullptr);
    if (!m_hTooltip)
        return;
    ::SendMessageW(m_hTooltip, TTM_SETMAXTIPWIDTH, 0, 256);
    ::SendMessageW(m_hTooltip, TTM_SETTIPBKCOLOR, RGB(255, 255, 255), 0);
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_PARSELINKS;
    tool.hwnd = m_hWnd;
    tool.uId = kTooltipToolId;
    ::GetClientRect(m_hWnd, &tool.rect);
    tool.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(m_hTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    UpdateTooltipText(text);
    if (::GetACP() == kChineseCodePage) {
        RECT margin = {2, 3, 0, 0};
        ::SendMessageW(m_hTooltip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    }
    ::SendMessageW(m_hTooltip, TTM_ACTIVATE, TRUE, 0);
}

void PaintManager::UpdateTooltipText(const wchar_t* text) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_PARSELINKS;
    tool.hwnd = m_hWnd;
    tool.uId = kTooltipToolId;
    tool.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(m_hTooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PaintManager::ClearTooltip() {
    if (!m_hTooltip || !::IsWindow(m_hTooltip))
        return;
    UpdateTooltipText(L"");
    ::SendMessageW(m_hTooltip, TTM_ACTIVATE, FALSE, 0);
    m_tooltipCtrlId = 0;
}

// ---- balloon tip ----

void PaintManager::CreateAirBladder() {
    auto balloon = std::make_unique<MAirBladder>();
    balloon->Create(m_hWnd, L"AirBladder Window", 0x96000080, 0, CRect());
    balloon->LoadBKImage(L"img_tip_bk.png");
    balloon->LoadArrowLImage(L"img_tip_arrow_left.png");
    balloon->LoadArrowRImage(L"img_tip_arrow_right.png");
    balloon->LoadArrowTImage(L"img_tip_arrow_top.png");
    m_airBladder = std::move(balloon);
}

int PaintManager::SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type,
                                   AIRBLADDER_MODE mode) {
    // A null text (which the balloon refuses with an exception) or no memory: nothing shown.
    try {
        if (!m_airBladder)
            CreateAirBladder();
        return m_airBladder->SetAirBladderMsg(text, point, type, mode);
    } catch (...) {
        return 0;
    }
}

int PaintManager::ShowAirBladder(int show, int owner) {
    if (!m_airBladder)
        return 0;
    if (owner && show)
        m_airBladderOwner = owner;
    else if (owner && owner != m_airBladderOwner)
        return 0; // one control does not hide another's balloon
    return m_airBladder->ShowWindow(show);
}

// ---- drop shadow ----

void PaintManager::CreateShadow(int show, bool force) {
    MShadow::Initialize(Manager::m_hInstance, force);
    m_shadow.ShowShadow(show != 0);
    m_shadow.Create(this);
}

int PaintManager::SetSize(int size) {
    return InShadowRange(size) && m_shadow.SetSize(size) ? 1 : 0;
}

int PaintManager::SetSharpness(UINT sharpness) {
    return sharpness <= 35 && m_shadow.SetSharpness(sharpness) ? 1 : 0;
}

int PaintManager::SetDarkness(UINT darkness) {
    return darkness <= 255 && m_shadow.SetDarkness(darkness) ? 1 : 0;
}

int PaintManager::SetPosition(int x, int y) {
    return InShadowRange(x) && InShadowRange(y) && m_shadow.SetPosition(x, y) ? 1 : 0;
}

int PaintManager::SetShadowColor(COLORREF color) {
    return m_shadow.SetColor(color) ? 1 : 0;
}

void PaintManager::SetShadowImage(const wchar_t* file, CRect corner) {
    m_shadow.SetImage(file);
    if (corner.left >= 0 && corner.top >= 0 && corner.right >= 0 && corner.bottom >= 0)
        m_shadow.SetShadowCorner(corner);
}

void PaintManager::SetShadowImage(UINT id, CRect corner) {
    m_shadow.SetImage(id);
    if (corner.left >= 0 && corner.top >= 0 && corner.right >= 0 && corner.bottom >= 0)
        m_shadow.SetShadowCorner(corner);
}

void PaintManager::SetShadowShow(BOOL show) {
    m_shadow.ShowShadow(show != FALSE);
}

void PaintManager::DisableShadow(BOOL disable) {
    m_shadow.DisableShadow(disable != FALSE);
}

// ---- caret ----

int PaintManager::CreateCaret(HBITMAP bitmap, int width, int height) {
    if (!IsWindowValid())
        return 0;
    ::CreateCaret(m_hWnd, bitmap, width, height);
    m_caretRect.right = m_caretRect.left + width;
    m_caretRect.bottom = m_caretRect.top + height;
    return 1;
}

int PaintManager::SetCaretPos(MControlFont* owner, int x, int y) {
    if (!::SetCaretPos(x, y))
        return 0;
    const CRect previous = m_caretRect;
    m_caretRect.MoveToXY(x, y);
    m_caretObject = owner;
    InvalidateRect(previous, FALSE);
    InvalidateRect(m_caretRect, FALSE);
    return 1;
}

int PaintManager::ShowCaret(BOOL show) {
    const int shown = show ? 1 : 0;
    if (shown == m_caretShown)
        return 1;
    m_caretShown = shown;
    if (shown) {
        if (IsWindowValid())
            ::SetTimer(m_hWnd, TIMER_CARET, ::GetCaretBlinkTime(), nullptr);
        if (!m_caretDrawn)
            InvalidateRect(m_caretRect, FALSE);
        m_caretDrawn = 1;
        return 1;
    }
    if (IsWindowValid())
        ::KillTimer(m_hWnd, TIMER_CARET);
    if (m_caretDrawn)
        InvalidateRect(m_caretRect, FALSE);
    m_caretDrawn = 0;
    return 1;
}

void PaintManager::CaretBlink() {
    InvalidateRect(m_caretRect, FALSE);
    m_caretDrawn = !m_caretDrawn;
}

void PaintManager::DrawCaret(HDC dc, CRect rect) {
    if (!m_caretObject)
        return;
    if (!m_caretObject->IsFocused() || ::GetFocus() != m_hWnd) {
        if (IsWindowValid())
            ::KillTimer(m_hWnd, TIMER_CARET);
        if (m_caretDrawn)
            InvalidateRect(m_caretRect, FALSE);
        m_caretDrawn = 0;
        return;
    }
    CRect part;
    if (!m_caretDrawn || !m_caretShown || !part.IntersectRect(&m_caretRect, &rect))
        return;
    const Gdiplus::Color ink = m_caretObject->GetTextColor();
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush(Gdiplus::Color(254, ink.GetR(), ink.GetG(), ink.GetB()));
    graphics.FillRectangle(&brush, part.left, part.top, part.Width(), part.Height());
}

void PaintManager::SetScrollResID(UINT vertical, UINT horizontal) {
    m_scrollVID = vertical;
    m_scrollHID = horizontal;
}

} // namespace Vantix
