// A fixed-size dark tip (190 x 100) with a title and two lines, shown above a screen point; used by
// the icon buttons of the device control families.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/CPoint.h"
#include "core/CString.h"
#include "core/CStringException.h"
#include "core/GdiObject.h"
#include "core/GdiplusObject.h"
#include "core/MWindow.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CKeyboardTips : public MWindow {
public:
    CKeyboardTips();
    ~CKeyboardTips() override;

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    bool LoadBKImage(const wchar_t* fileName);
    bool LoadBKImage(UINT id, const wchar_t* type);
    void SetBackMode(int mode, int value);
    // Shows the texts above the point; 1. A null title, or a null first line with the title unchanged,
    // throws CStringException(E_FAIL), here in the caller's module, so no exception leaves the library.
    int SetAirBladderMsg(const wchar_t* title, const wchar_t* line1, const wchar_t* line2, POINT point) {
        if (!title || (!line1 && m_title == title))
            throw CStringException(E_FAIL);
        return SetMessage(title, line1, line2, point);
    }
    void CloseWindow();
    LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT OnCreate(CREATESTRUCTW* create);
    virtual LRESULT OnSize(UINT type, int width, int height);
    virtual LRESULT OnKillFocus(HWND next);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT id);
    // The tip's picture with GDI: frame, title and both lines, into a width x height DC.
    void DrawTip(HDC dc, int width, int height);

private:
    int SetMessage(const wchar_t* title, const wchar_t* line1, const wchar_t* line2, POINT point);
    HFONT GetTipFont(GdiObject<HFONT>& font, int height);
    // Paints the client area through a memory bitmap onto dc.
    void Present(HDC dc);

    CString m_title;
    CString m_line1;
    CString m_line2;
    CPoint m_point;
    int m_type;
    int m_mode;
    GdiplusObject<Gdiplus::StringFormat> m_format;
    GdiplusObject<Gdiplus::Image> m_bkImage;
    int m_bkWidth;
    int m_bkHeight;
    int m_backMode;
    int m_backValue;
    GdiplusObject<Gdiplus::PrivateFontCollection> m_fontCollection;
    GdiplusObject<Gdiplus::FontFamily> m_fontFamily;
    GdiObject<HFONT> m_font1;
    GdiObject<HFONT> m_font2;
};

} // namespace Vantix
