// Process-wide state of the toolkit: module instance, GDI+ token, global font, scale, selection
// colour, the published CPU temperature, the theme, the window registry and a plain message loop.
// All members are static; the class is never instantiated.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <atomic>
#include <map>

#include "core/CString.h"
#include "core/VantixApi.h"

namespace Vantix {

class MWindow;

class VANTIX_API Manager {
public:
    Manager& operator=(const Manager&) { return *this; }
    Manager& operator=(Manager&&) { return *this; }

    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();

    static void InitGdiplus();
    static void UnInitGdiplus();

    static void SetFont(CString name, int size);
    static void SetFontName(CString name);
    static CString GetFontName();
    static void SetFontWidth(int size);
    static int GetFontWidth();

    static void SetScaleValue(float scale);
    static float GetScaleValue();
    // value x scale in single precision, truncated toward zero.
    static int GetScaleValue(int value);

    static Gdiplus::Color GetSelectColor();

    // The only members other threads may use: one whole 32-bit value.
    static void SetCPUTemp(float temperature);
    static float GetCPUTemp();

    static CString GetTheme();

    static void AddWnd(MWindow* window);
    static void DeleteWnd(MWindow* window);
    // Read-only views of the registry for diagnostics; nothing in the toolkit consults it.
    static int HasWnd(MWindow* window);
    static int GetWndCount();

    static int PreTranslateMessage(MSG* msg);
    static void MessageLoop();

    static float m_scale_value;
    static int m_fontwidth;
    static Gdiplus::GdiplusStartupInput m_gdiplusStartupInput;
    static Gdiplus::Color m_select_color;
    static HINSTANCE m_hInstance;
    // Written by the relay worker, read by the painting thread.
    static std::atomic<float> m_cpu_temp;
    static ULONG_PTR m_gdiplusToken;
    static CString m_fontname;

private:
    // Windows told to AddWnd, by pointer; the value is always 0.
    static std::map<MWindow*, int>& WindowRegistry();
};

} // namespace Vantix
