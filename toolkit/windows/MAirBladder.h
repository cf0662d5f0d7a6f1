// The host's balloon tip: a layered popup with a nine-grid background and white text that sizes
// itself to the text, placed next to a screen point and hidden again after 5 s or on focus loss.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/CPoint.h"
#include "core/CSize.h"
#include "core/CString.h"
#include "core/CStringException.h"
#include "core/GdiplusObject.h"
#include "core/MWindow.h"
#include "core/VantixApi.h"

namespace Vantix {

// 4 keeps the balloon until it loses the focus; any other type hides it after 5000 ms.
enum AIRBLADDER_TYPE { AIRBLADDER_TYPE_TIMED = 1, AIRBLADDER_TYPE_STAY = 4 };

// Placement of the balloon relative to its point.
enum AIRBLADDER_MODE {
    AIRBLADDER_MODE_RIGHT = 1,
    AIRBLADDER_MODE_LEFT = 2,
    AIRBLADDER_MODE_BELOW = 3,
    AIRBLADDER_MODE_ABOVE = 4,
    AIRBLADDER_MODE_RIGHT_LOW = 5
};

class VANTIX_API MAirBladder : public MWindow {
public:
    MAirBladder();
    ~MAirBladder() override;

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    bool LoadBKImage(const wchar_t* fileName);
    bool LoadBKImage(UINT id, const wchar_t* type);
    bool LoadArrowLImage(const wchar_t* fileName);
    bool LoadArrowLImage(UINT id, const wchar_t* type);
    bool LoadArrowRImage(const wchar_t* fileName);
    bool LoadArrowRImage(UINT id, const wchar_t* type);
    bool LoadArrowTImage(const wchar_t* fileName);
    bool LoadArrowTImage(UINT id, const wchar_t* type);
    void SetBackMode(int mode, int value);
    // Sets the message and refits the balloon; 1. A null text throws CStringException(E_FAIL), here in
    // the caller's module, so that no exception leaves the library.
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode) {
        if (!text)
            throw CStringException(E_FAIL);
        return SetMessage(text, point, type, mode);
    }
    void CloseWindow();
    LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT OnCreate(CREATESTRUCTW* create);
    virtual LRESULT OnSize(UINT type, int width, int height);
    virtual LRESULT OnKillFocus(HWND next);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT id);
    // The balloon's picture: background frame and text, into a width x height image.
    void DrawBalloon(Gdiplus::Graphics& graphics, int width, int height);

private:
    int SetMessage(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode);
    bool TakeImage(GdiplusObject<Gdiplus::Image>& image, int& width, int& height, Gdiplus::Image* loaded);
    // The 14-pixel text font; one-line height through lineHeight.
    CSize MeasureText(int& lineHeight);
    void FitWindow();
    // Paints the client area and hands it with its per-pixel alpha to the system.
    void Present();

    CString m_text;
    CPoint m_point;
    AIRBLADDER_TYPE m_type;
    AIRBLADDER_MODE m_mode;
    GdiplusObject<Gdiplus::StringFormat> m_format;
    GdiplusObject<Gdiplus::Image> m_bkImage;
    int m_bkWidth;
    int m_bkHeight;
    GdiplusObject<Gdiplus::Image> m_arrowLImage;
    int m_arrowLWidth;
    int m_arrowLHeight;
    GdiplusObject<Gdiplus::Image> m_arrowRImage;
    int m_arrowRWidth;
    int m_arrowRHeight;
    GdiplusObject<Gdiplus::Image> m_arrowTImage;
    int m_arrowTWidth;
    int m_arrowTHeight;
    // The family comes from this collection, which must outlive it.
    GdiplusObject<Gdiplus::PrivateFontCollection> m_fontCollection;
    GdiplusObject<Gdiplus::FontFamily> m_fontFamily;
    int m_backMode;
    int m_backValue;
    int m_lineCount;
};

} // namespace Vantix
