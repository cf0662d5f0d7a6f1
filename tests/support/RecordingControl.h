// A windowless test control that records every hook the routing reaches (with flags and point) and
// answers with configurable results, so tests can see where the host and the base sent an event.
#pragma once

#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "controls/MControl.h"

// Shared with a control that may be deleted while ticks run: tells whether a tick reached it afterwards.
struct ControlLife {
    std::atomic<bool> destroyed{false};
    std::atomic<int> ticksAfterDestroy{0};
};

struct ControlCall {
    std::string hook; // "MouseMove", "LButtonDown", "Scroll", "KeyDown", "Focus", "Update", "Draw", ...
    UINT flags;       // key state, scroll direction, modifier code, focus or cache flag
    Vantix::CPoint point;
};

class RecordingControl : public Vantix::MControl {
public:
    RecordingControl(Vantix::MObject* parent, UINT id, Vantix::CRect rect, int visible = 1, int enabled = 1,
                     int responds = 1);
    ~RecordingControl() override;

    int Count(const std::string& hook) const;
    const ControlCall* Last(const std::string& hook) const;
    void Clear() { calls.clear(); }

    // Test access to the protected state and helpers of the base.
    void SetDoubleClick(int on) { m_dblClk = on; }
    void SetFocusedFlag(int on) { m_focused = on; }
    int IsPressed() const { return m_pressed; }
    MControl* HotChild() const { return m_hotChild; }
    void Invalidate(int erase) { InvalidateRect(nullptr, erase); }
    HDC SurfaceDC() const { return m_memDC.Get(); }
    HDC AnimationDC() const { return m_animateDC.Get(); }
    int Layout(const Vantix::FS_POSITION_ITEM& item, int low, int high) {
        return PositionItem2Value(item, low, high);
    }
    // Adds a child the control then owns (area list when area is true).
    RecordingControl* AddChild(UINT id, Vantix::CRect rect, bool area = false);

    std::vector<ControlCall> calls;
    int answer = 1;                       // mouse, button and key hooks
    int scrollAnswer = 0;                 // OnControlScroll
    int checkResponse = 1;                // OnCheckMouseResponse
    UINT consumedMessage = 0;             // OnWindowMessage answers 1 for this message
    int keyFocused = 0;                   // SetControlFocus(1) makes IsFocused true
    std::vector<UINT>* drawLog = nullptr; // ids in painting order, shared by several controls
    // Timer-thread side: counted, not recorded.
    std::atomic<int> ticks{0};
    int updateOnTick = 0;        // each tick asks the parent for a repaint
    ControlLife* life = nullptr; // marked by the destructor

    int OnCheckMouseResponse(UINT flags, Vantix::CPoint point) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SetUpdate(int valid, DWORD backColor) override;
    int SetControlFocus(int focus) override;

protected:
    void DrawControl(HDC& dc, Vantix::CRect clip) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, Vantix::CPoint point) override;
    int OnControlLButtonDown(UINT flags, Vantix::CPoint point) override;
    int OnControlLButtonUp(UINT flags, Vantix::CPoint point) override;
    int OnControlLButtonDblClk(UINT flags, Vantix::CPoint point) override;
    int OnControlRButtonDown(UINT flags, Vantix::CPoint point) override;
    int OnControlRButtonUp(UINT flags, Vantix::CPoint point) override;
    int OnControlRButtonDblClk(UINT flags, Vantix::CPoint point) override;
    int OnControlScroll(int count, UINT direction, Vantix::CPoint point) override;
    int OnControlKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

private:
    std::mutex m_callsLock; // the timer thread may record too
    int Record(const char* hook, UINT flags, Vantix::CPoint point, int result);
};
