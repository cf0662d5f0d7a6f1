// Wraps one Win32 window: registers its class, creates it with a pointer to this object, routes
// every message to OnWindowMessage and runs the modal message loop.
#pragma once

#include <windows.h>

#include "core/CRect.h"
#include "core/CString.h"
#include "core/VantixApi.h"

namespace Vantix {

// The toolkit's close request; wParam carries the result code the modal loop returns.
constexpr UINT WM_TOOLKIT_CLOSE = WM_USER + 66;

class VANTIX_API MWindow {
public:
    MWindow();

    virtual ~MWindow();
    virtual const wchar_t* GetWindowClassName() const;
    // A system class name here makes the window a superclass of that class.
    virtual const wchar_t* GetSuperClassName() const;
    virtual BOOL ShowWindow(int command);
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnInitDialog();
    virtual void OnDestroyMessage(HWND hwnd);

    BOOL RegisterWindowClass();
    BOOL RegisterSuperClass();

    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect, HMENU menu);
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect);
    HWND Create(HWND parent, CRect rect);
    HWND Create(HWND parent);

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Runs until the window is gone; returns the wParam of its WM_CLOSE, 0 without one, UINT -1
    // without a window.
    UINT ShowModal(int command);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetParentHwnd() const { return m_hParent; }
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT positionFlags);
    BOOL ModifyExStyle(DWORD remove, DWORD add, UINT positionFlags);
    BOOL GetClientRect(RECT* rect) const;
    BOOL GetWindowRect(RECT* rect) const;
    BOOL SetWindowTextW(const wchar_t* text);
    int GetWindowTextW(CString& text) const;
    int GetWindowTextLengthW() const;
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    // Safe from other threads.
    BOOL InvalidateRect(CRect rect, BOOL erase);
    HWND SetCapture();
    BOOL ReleaseCapture();
    HWND SetFocus();
    UINT_PTR SetTimer(UINT id, UINT elapse, TIMERPROC callback);
    BOOL KillTimer(UINT id);
    BOOL ClientToScreen(POINT* point) const;
    BOOL ClientToScreen(RECT* rect) const;
    BOOL ScreenToClient(POINT* point) const;
    BOOL ScreenToClient(RECT* rect) const;
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags);
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint);
    BOOL MoveWindow(const RECT* rect, BOOL repaint);
    LRESULT SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    BOOL PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    BOOL DestroyWindow();
    void SetIcon(UINT id);
    void CenterWindow(MWindow* reference = nullptr);
    void BringToTop();

protected:
    // True for a handle that is set, not -1 and still a window.
    bool IsValidWindow() const;
    // True for a handle that is set and not -1 (the cheaper test of the style and message calls).
    bool HasHandle() const;

    HWND m_hParent;
    HWND m_hWnd;
    WNDPROC m_OldWndProc;

private:
    // WM_NCCREATE: the object named in the creation record takes the window.
    static MWindow* AttachFromCreate(HWND hwnd, LPARAM lParam);
    // WM_NCDESTROY, after the previous procedure: the link is broken and the object told.
    void DetachAfterDestroy(HWND hwnd);
};

} // namespace Vantix
