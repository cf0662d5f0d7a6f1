// Soft drop shadow of a top-level toolkit window: a layered, click-through "ShadowWnd" popup kept
// just below its parent, computed from the parent's window region or drawn from a nine-grid image.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <map>
#include <vector>

#include "core/CString.h"
#include "core/GdiplusObject.h"
#include "core/VantixApi.h"

namespace Vantix {

class PaintManager;

class VANTIX_API MShadow {
public:
    MShadow();
    MShadow(const MShadow&) = delete;
    MShadow& operator=(const MShadow&) = delete;
    virtual ~MShadow();

    // Registers "ShadowWnd" unless done already and force is false; true when it registered.
    static bool Initialize(HINSTANCE instance, bool force);
    // Creates the shadow window for the host's window and subclasses that window, when shown.
    void Create(PaintManager* host);

    void ShowShadow(bool show);
    bool IsShowShadow() const;
    void DisableShadow(bool disable);
    bool IsDisableShadow() const;

    bool SetSize(int size);
    bool SetSharpness(unsigned int sharpness);
    bool SetDarkness(unsigned int darkness);
    bool SetPosition(int x, int y);
    bool SetColor(COLORREF color);
    bool SetImage(const wchar_t* fileName);
    bool SetImage(UINT resourceId);
    bool SetShadowCorner(RECT corner);
    bool CopyShadow(MShadow* other);

    // Recomputes and shows the shadow picture of parent.
    void Update(HWND parent);
    // The computed outline of parent (window rectangle parentRect) into a cleared bottom-up bitmap
    // of the parent's size plus twice the shadow size each way.
    void MakeShadow(UINT32* bits, HWND parent, const RECT* parentRect);
    // The shadow window; null before Create and after the parent's WM_DESTROY.
    HWND GetShadowWnd() const { return m_hWnd; }

    // Premultiplied 32-bit pixel of color at alpha.
    static DWORD PreMultiply(COLORREF color, BYTE alpha);

private:
    enum State : BYTE { STATE_ENABLED = 1, STATE_VISIBLE = 2, STATE_PARENT_VISIBLE = 4 };
    // The covered part of one line: start inclusive, end exclusive; empty when start >= end.
    struct Span {
        int start;
        int end;
    };

    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static std::map<HWND, MShadow*>& GetShadowMap();
    void OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnParentSize(HWND parent, WPARAM type, LPARAM size);
    void OnParentShow(BOOL shown);
    // The parent's shape: its window region, or its whole window where it has none.
    void FindLineEnds(HWND parent, int width, int height, std::vector<Span>& lines);
    // State from the parent's style: 1 hidden, 5 minimised or maximised, 7 shown normally.
    void TakeParentState(HWND parent);
    void ShowShadowWindow(bool show);
    void Refresh();
    POINT Placement(HWND parent) const;
    void MoveToParent(HWND parent);
    // Puts the parent's own window procedure back and forgets the parent.
    void Detach();

    static bool s_bHasInit;

    BYTE m_nDarkness;
    BYTE m_nSharpness;
    signed char m_nSize;
    signed char m_nxOffset;
    signed char m_nyOffset;
    DWORD m_Color;
    bool m_bIsImageMode;
    GdiplusObject<Gdiplus::Image> m_image;
    int m_imageWidth;
    int m_imageHeight;
    CString m_imagePath;
    UINT m_imageResId;
    RECT m_corner;
    bool m_bIsShowShadow;
    bool m_bIsDisableShadow;
    BYTE m_Status;
    LPARAM m_WndSize;
    bool m_bUpdate;
    PaintManager* m_host; // borrowed: the host that owns this shadow
    HWND m_hWnd;          // the shadow window; destroyed with the parent's WM_DESTROY
    WNDPROC m_OriParentProc;
    HWND m_hParent; // borrowed: the subclassed window, until its WM_NCDESTROY
};

} // namespace Vantix
