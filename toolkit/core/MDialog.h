// Top-level toolkit window with controls, base of every application window: a window, a
// notification receiver and an embedded control host. Messages reach the derived class's virtual
// handlers first, then the controls and the host; control notifications arrive in OnMessage; the
// closing operations end the modal loop with a result code.
#pragma once

#include <windows.h>

#include "controls/MControl.h"
#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/CString.h"
#include "core/MObject.h"
#include "core/MWindow.h"
#include "core/PaintManager.h"
#include "core/VantixApi.h"
#include "windows/MAirBladder.h"

namespace Vantix {

class VANTIX_API MDialog : public MWindow, public MObject {
public:
    MDialog();
    MDialog(const MDialog&) = delete;
    MDialog& operator=(const MDialog&) = delete;

    // Through MObject.
    ~MDialog() override;
    const wchar_t* GetClassNameW() const override;
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    int OnControlUpdate(CRect rect, int redraw, MControl* control) override;

    // Through MWindow.
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    // The dialog's own virtual operations, in slot order.
    virtual POINT GetAirBladderPoint(MControl* control, UINT type);
    virtual void OnMinimize();
    virtual void OnMaximize();
    // The place to create the controls (CreateArea, CreateControl).
    virtual void InitUI(CRect rect);
    // The place to lay the controls out.
    virtual void UISize(CRect rect);
    // Every notification of the dialog's controls.
    virtual LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCreate(CREATESTRUCTW* create);
    virtual LRESULT OnSize(UINT type, int width, int height);
    virtual LRESULT OnMouseMove(UINT keys, CPoint point);
    virtual LRESULT OnMouseLeave(UINT keys, LPARAM lParam);
    virtual LRESULT OnMouseHover(UINT keys, LPARAM lParam);
    virtual LRESULT OnMouseWheel(UINT keys, short delta, CPoint point);
    virtual LRESULT OnLButtonDown(UINT keys, CPoint point);
    virtual LRESULT OnLButtonUp(UINT keys, CPoint point);
    virtual LRESULT OnLButtonDblClk(UINT keys, CPoint point);
    virtual LRESULT OnRButtonDown(UINT keys, CPoint point);
    virtual LRESULT OnRButtonUp(UINT keys, CPoint point);
    virtual LRESULT OnRButtonDblClk(UINT keys, CPoint point);
    virtual LRESULT OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual LRESULT OnNcHitTest(CPoint point);
    virtual LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    virtual LRESULT OnNcActivate(BOOL active);
    virtual LRESULT OnWindowPosChanging(WINDOWPOS* position);
    virtual LRESULT OnWindowPosChanged(WINDOWPOS* position);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT id);
    virtual LRESULT OnNcPaint();
    virtual LRESULT OnClose();
    virtual LRESULT OnDestroy();
    virtual LRESULT PostNcDestroy();

    // Closing: post WM_TOOLKIT_CLOSE with 1, 2, 2, 6 or 7; safe from other threads.
    void DoOK();
    void DoCancel();
    void DoClose();
    void DoYes();
    void DoNo();

    // Controls, owned by the host.
    MControl* CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                         int enabled);
    MControl* CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                            int enabled);
    MControl* GetControl(UINT id);
    ControlList* GetControls();
    void SetFocusControl(MControl* control);
    PaintManager* GetPaintManager() { return &m_pm; }

    // Forwarded to the host.
    void EnableWndDrag(BOOL enable);
    BOOL LoadBKImage(CString file);
    BOOL LoadBKImage(UINT id, CString type);
    void SetBackMode(enumBackMode mode, int corner);
    void SetLayeredWindow(BOOL layered);
    void EnableDrawInfo(BOOL enable);
    void SetProgress(int percent, CString text, CRect rect);
    void SetScrollResID(UINT vertical, UINT horizontal);
    void CreateShadow(int show, bool force);
    int SetSize(int size);
    int SetSharpness(UINT sharpness);
    int SetDarkness(UINT darkness);
    int SetPosition(int x, int y);
    int SetShadowColor(COLORREF color);
    void SetShadowImage(const wchar_t* file, CRect corner);
    void SetShadowImage(UINT id, CRect corner);
    void SetShadowShow(BOOL show);
    void SetTooltip(CString text, CRect rect);
    void ClearTooltip();
    UINT SetMTimer(UINT elapse);
    void KillMTimer(UINT id);

    // With dialog logic of their own.
    // An empty rect is replaced by a 200-pixel box centred near the bottom of the client area.
    void SetMessage(CString text, CRect rect, MsgLevel level);
    // 0 when point.x or point.y is 0; otherwise shows the balloon below the point.
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type);
    void SetupBackTranslucent();
    void SetupRegion(int corner);
    // The dialog's own id, separate from the host's.
    void SetTooltipCtrlID(int id) { m_tooltipCtrlId = id; }
    int GetTooltipCtrlID() const { return m_tooltipCtrlId; }

protected:
    void PostClose(WPARAM result);

    PaintManager m_pm;
    COLORREF m_colorKey;
    int m_alpha;
    int m_msgOffset;
    int m_tooltipCtrlId;
    CRect m_clientRect;
};

} // namespace Vantix
