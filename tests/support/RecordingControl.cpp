#include "RecordingControl.h"

RecordingControl::RecordingControl(Vantix::MObject* parent, UINT id, Vantix::CRect rect, int visible,
                                   int enabled, int responds)
    : MControl(parent, id, rect, visible, enabled, responds) {}

RecordingControl::~RecordingControl() {
    if (life)
        life->destroyed = true;
}

int RecordingControl::Count(const std::string& hook) const {
    int count = 0;
    for (const ControlCall& call : calls)
        count += call.hook == hook;
    return count;
}

const ControlCall* RecordingControl::Last(const std::string& hook) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->hook == hook)
            return &*it;
    return nullptr;
}

RecordingControl* RecordingControl::AddChild(UINT id, Vantix::CRect rect, bool area) {
    auto* child = new RecordingControl(this, id, rect);
    (area ? m_areaControls : m_controls).emplace_back(child);
    child->SetManager(m_manager);
    return child;
}

int RecordingControl::Record(const char* hook, UINT flags, Vantix::CPoint point, int result) {
    std::lock_guard<std::mutex> hold(m_callsLock);
    calls.push_back({hook, flags, point});
    return result;
}

int RecordingControl::OnCheckMouseResponse(UINT, Vantix::CPoint) {
    return checkResponse;
}

LRESULT RecordingControl::OnWindowMessage(UINT msg, WPARAM, LPARAM) {
    return consumedMessage && msg == consumedMessage ? 1 : 0;
}

void RecordingControl::SetUpdate(int valid, DWORD backColor) {
    Record("Update", valid, Vantix::CPoint(), 0);
    MControl::SetUpdate(valid, backColor);
}

int RecordingControl::SetControlFocus(int focus) {
    Record("Focus", focus, Vantix::CPoint(), 0);
    m_focused = focus ? keyFocused : 0;
    return MControl::SetControlFocus(focus);
}

void RecordingControl::DrawControl(HDC&, Vantix::CRect clip) {
    Record("Draw", 0, clip.TopLeft(), 0);
    if (drawLog)
        drawLog->push_back(GetControlID());
}

int RecordingControl::OnControlTimer() {
    if (life && life->destroyed)
        ++life->ticksAfterDestroy;
    ++ticks;
    if (updateOnTick)
        UpdateControl(1, 0);
    return 1;
}

int RecordingControl::OnControlMouseMove(UINT flags, Vantix::CPoint point) {
    return Record("MouseMove", flags, point, answer);
}

int RecordingControl::OnControlLButtonDown(UINT flags, Vantix::CPoint point) {
    return Record("LButtonDown", flags, point, answer);
}

int RecordingControl::OnControlLButtonUp(UINT flags, Vantix::CPoint point) {
    return Record("LButtonUp", flags, point, answer);
}

int RecordingControl::OnControlLButtonDblClk(UINT flags, Vantix::CPoint point) {
    return Record("LButtonDblClk", flags, point, answer);
}

int RecordingControl::OnControlRButtonDown(UINT flags, Vantix::CPoint point) {
    return Record("RButtonDown", flags, point, answer);
}

int RecordingControl::OnControlRButtonUp(UINT flags, Vantix::CPoint point) {
    return Record("RButtonUp", flags, point, answer);
}

int RecordingControl::OnControlRButtonDblClk(UINT flags, Vantix::CPoint point) {
    return Record("RButtonDblClk", flags, point, answer);
}

int RecordingControl::OnControlScroll(int, UINT direction, Vantix::CPoint point) {
    return Record("Scroll", direction, point, scrollAnswer);
}

int RecordingControl::OnControlKeyDown(UINT nChar, UINT, UINT nFlags) {
    return Record("KeyDown", nFlags, Vantix::CPoint(static_cast<int>(nChar), 0), answer);
}
