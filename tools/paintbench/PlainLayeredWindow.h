// The benchmark's baseline: the same picture as the toolkit window (background image, close picture,
// the temperature in 50-pixel digits) drawn with plain GDI+ calls into a fresh 32-bit DIB section and
// shown with UpdateLayeredWindow, with nothing of the toolkit in between.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/GdiplusObject.h"

class PlainLayeredWindow {
public:
    PlainLayeredWindow(int x, int y, int width, int height, const wchar_t* background,
                       const wchar_t* picture);
    ~PlainLayeredWindow();
    PlainLayeredWindow(const PlainLayeredWindow&) = delete;
    PlainLayeredWindow& operator=(const PlainLayeredWindow&) = delete;

    bool IsReady() const;
    void Repaint(int temperature);

private:
    void Draw(Gdiplus::Graphics& graphics, int temperature);

    HWND m_hwnd = nullptr;
    int m_width;
    int m_height;
    Vantix::GdiplusObject<Gdiplus::Image> m_background;
    Vantix::GdiplusObject<Gdiplus::Image> m_picture;
    Vantix::GdiplusObject<Gdiplus::FontFamily> m_family;
};
