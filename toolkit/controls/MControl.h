// Abstract base of every windowless control: a rectangle inside a host window that owns a tree of
// children, routes mouse, wheel, key and timer events down that tree to its own virtual hooks,
// paints through a cached off-screen surface and reports to its parent (OnControlUpdate, OnBaseMessage).
// All rectangles and points are client coordinates of the host window, for children too.
#pragma once

#include <windows.h>
#include <memory>
#include <vector>

#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/CString.h"
#include "core/CriticalSection.h"
#include "core/GdiObject.h"
#include "core/MObject.h"
#include "core/MemoryDC.h"
#include "core/VantixApi.h"

namespace Vantix {

class PaintManager;
class MControl;

// Controls owned by a host or a parent control; erasing an entry deletes the control.
using ControlList = std::vector<std::unique_ptr<MControl>>;

// One coordinate of a relative layout: mode 0 offset, 1 centre, 2 percent of the span.
struct FS_POSITION_ITEM {
    int mode;
    int fromEnd;
    float value;
};

class VANTIX_API MControl : public MObject {
public:
    MControl(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responds);
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    // Virtual slots 0 to 6: the destructor and MObject's.
    ~MControl() override;
    const wchar_t* GetClassNameW() const override;

    // Slots 7 to 9.
    virtual void InitControl(PaintManager* host);
    // Wheel: count is 1 from the host, direction 1 when the wheel turned toward the user.
    virtual int OnScroll(int count, UINT direction, CPoint point);
    virtual BOOL PtInRect(CPoint point);

protected:
    // Slot 10: paint into dc; clip is the rectangle being painted.
    virtual void DrawControl(HDC& dc, CRect clip) = 0;

public:
    // Slots 11 to 19.
    virtual int DrawSubControls(HDC& dc, CRect clip);
    virtual int IsDraw(CPoint point);
    // Stores the cache-valid flag and passes it to the children that overlap this control.
    virtual void SetUpdate(int valid, DWORD backColor);
    virtual int SetControlFocus(int focus);
    virtual void InitUI(CRect rect);
    // Scrolling containers translate the point into content coordinates here.
    virtual int OnMousePointChange(CPoint& point);
    // 0 where a point inside the rectangle is not an active part of the control.
    virtual int OnCheckMouseResponse(UINT flags, CPoint point);
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

protected:
    // Slots 20 to 37.
    virtual void SetControlRect(CRect rect);
    virtual void SetControlVisible(int visible);
    virtual void SetControlWndVisible(int visible);
    virtual void SetControlEnabled(int enabled);
    virtual int OnControlTimer();
    // The bitmap the host shows while this control is dragged; the host owns it.
    virtual HBITMAP GetControlDropBitmap();
    virtual int OnControlMouseMove(UINT flags, CPoint point);
    virtual int OnControlSetCursor(UINT flags, CPoint point);
    virtual int OnControlLButtonDown(UINT flags, CPoint point);
    virtual int OnControlLButtonUp(UINT flags, CPoint point);
    virtual int OnControlLButtonDblClk(UINT flags, CPoint point);
    virtual int OnControlScroll(int count, UINT direction, CPoint point);
    virtual int OnControlRButtonDown(UINT flags, CPoint point);
    virtual int OnControlRButtonUp(UINT flags, CPoint point);
    virtual int OnControlRButtonDblClk(UINT flags, CPoint point);
    virtual int OnControlKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnPositionChange();
    // Invalidates this control's rectangle in the host window (whole area when layered).
    virtual void InvalidateRect(const RECT* rect, int erase);

public:
    // Tree and identity.
    UINT GetControlID() const { return m_id; }
    MObject* GetParantObject() const { return m_parent; }
    void SetParent(MObject* parent) { m_parent = parent; }
    PaintManager* GetManager() const { return m_manager; }
    void SetManager(PaintManager* host);
    ControlList& GetControls() { return m_controls; }
    MControl* GetControl(UINT id);
    // Deletes a control child (not an area child); the host forgets it first.
    int RemoveControl(MControl* child);
    void RemoveAllControl();
    // Appends this control and all its descendants, area and control children alike.
    void AppendSubtree(std::vector<MControl*>& out);

    // Geometry and state; each setter asks the parent to repaint.
    CRect GetRect() const { return m_rect; }
    void SetRect(CRect rect);
    // (x, y, width, height)
    void SetRect(int x, int y, int cx, int cy);
    int IsVisible() const { return m_visible; }
    void SetVisible(int visible);
    void SetVisible(int visible, int notify);
    int IsEnabled() const { return m_enabled; }
    void SetEnabled(int enabled);
    int IsParentVisible();
    int IsDragDrop() const { return m_dragDrop; }
    void SetDragDrop(int dragDrop) { m_dragDrop = dragDrop; }
    int GetRresponse() const { return m_responds; }
    void SetRresponse(int responds) { m_responds = responds; }
    int IsTabStop() const { return m_tabStop; }
    void SetTabStop(int tabStop) { m_tabStop = tabStop; }
    int GetDblClk() const { return m_dblClk; }
    int IsFocused() const { return m_focused; }
    int IsRunTimer() const { return m_runTimer; }
    void SetRunTimer(int run) { m_runTimer = run; }

    // Painting.
    void Draw(HDC& dc, CRect clip);
    // Makes the memory surface cx by cy (kept when the size is unchanged) and marks the cache valid.
    void UpdateMemDC(HDC& reference, int cx, int cy);
    void UpdateAnimateDC(HDC& reference, int cx, int cy);
    int GetUpdate() const { return m_updated; }
    void UpdateControl(int redraw, int force);
    // Note the flag order: (rect, force, redraw).
    void UpdateControl(CRect rect, int force, int redraw);
    void UpdateAControl(int ignored, int force);

    // Input entry points called by the host or the parent; non-zero when the event was used.
    int OnMouseMove(UINT flags, CPoint point);
    int OnLButtonDown(UINT flags, CPoint point);
    int OnLButtonUp(UINT flags, CPoint point);
    int OnLButtonDblClk(UINT flags, CPoint point);
    int OnRButtonDown(UINT flags, CPoint point);
    int OnRButtonUp(UINT flags, CPoint point);
    int OnRButtonDblClk(UINT flags, CPoint point);
    int OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    int OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    int OnTimer();

    // Focus; navigation itself is the host's.
    int OnFocus(int focus);
    int IsFocusControl();
    MControl* GetFocusControl(MControl* from);
    MControl* GetNextFocusableControl(MControl* from);
    MControl* GetPrevFocusableControl(MControl* from);

    // Tooltips and cursor.
    CString GetTooltip() const { return m_tooltip; }
    void SetTooltip(const wchar_t* text);
    void SetTooltip(CString text, CRect rect);
    void ClearTooltip();
    void SetTooltipCtrlID(int id);
    int GetTooltipCtrlID();
    // System cursor by name: "arrow", "wait", "cross", "sizewe", "sizens", "hand", "help".
    int SetCursorEx(const wchar_t* name);

    // Timers and drag and drop.
    void AddMTimer();
    HBITMAP GetDropBitmap();

    // Reports (code, wParam, lParam) to the parent's OnBaseMessage with this control's id.
    LRESULT SendMessageW(UINT code, WPARAM wParam, LPARAM lParam);

protected:
    int IsKeyDown() const { return m_keyDown; }
    int PositionItem2Value(const FS_POSITION_ITEM& item, int low, int high);

    MObject* m_parent;       // borrowed
    PaintManager* m_manager; // borrowed: the host window's control manager
    UINT m_id;
    CRect m_rect;
    int m_visible;
    int m_enabled;
    int m_dragDrop;
    int m_responds;
    int m_tabStop;
    int m_dblClk;
    int m_pressed;
    int m_keyDown;
    int m_focused;
    int m_updated;
    int m_runTimer;
    ControlList m_areaControls;
    CriticalSection m_areaLock;
    ControlList m_controls;
    CriticalSection m_controlLock;
    MControl* m_hotChild; // borrowed: one of m_controls
    int m_memWidth;
    int m_memHeight;
    GdiObject<HBITMAP> m_memBitmap;
    MemoryDC m_memDC; // declared after its bitmap, so it lets go of the bitmap first
    int m_animateWidth;
    int m_animateHeight;
    GdiObject<HBITMAP> m_animateBitmap;
    MemoryDC m_animateDC;
    CString m_tooltip;
    HCURSOR m_cursor; // shared system cursor, not owned

private:
    // The left and right variants of the button entry points.
    int OnButtonDown(UINT flags, CPoint point, bool left);
    int OnButtonUp(UINT flags, CPoint point, bool left);
    int OnButtonDblClk(UINT flags, CPoint point, bool left);
    MControl* FindFocusedChild();
    // Key routing once the control that owns the key has been found.
    int RouteKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
};

} // namespace Vantix
