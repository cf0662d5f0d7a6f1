// Stateless drawing helpers: image and icon loading, nine-grid frames, fades, fills, gradients,
// rounded rectangles, text measurement and placement, 32-bit DIB sections and bitmap files.
// Colours are ARGB (0xAARRGGBB) or COLORREF (0x00BBGGRR) as each helper says; images and icons
// returned by the loaders belong to the caller.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/CSize.h"
#include "core/CString.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API MRender {
public:
    // Image and icon loading; null on failure.
    static Gdiplus::Image* LoadImageFromFile(CString path);
    static Gdiplus::Image* LoadImageFromFileEx(CString path, int width, int height);
    static Gdiplus::Image* LoadImageFromIDResource(UINT id, CString type, HINSTANCE module);
    static HICON LoadIconFromFile(CString path);

    // Device contexts and bitmaps.
    static HDC CreateCompatibleDC(HDC dc);
    static HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
    // Bottom-up 32-bit DIB section; its pixels through bits.
    static HBITMAP CreateARGB32Bitmap(HDC dc, int width, int height, unsigned char** bits);
    static BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy);
    static BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                       unsigned long rop);
    static BOOL SaveBitmapToFile(HBITMAP bitmap, CString path);

    // Filling and shapes.
    static void FillSolidRect(HDC& dc, const RECT* rect, unsigned long color);
    static void FillSolidRect(HDC& dc, int x, int y, int cx, int cy, unsigned long color);
    static void DrawColor(HDC dc, const RECT& rect, unsigned long argb);
    static void DrawGradient(HDC dc, const RECT& rect, unsigned long first, unsigned long second,
                             bool vertical, int steps);
    static void DrawRectangle(HDC& dc, const CRect& rect, int a, int b, int c);
    static void DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float w, float h, float r,
                                  Gdiplus::Color color);
    static void DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float w, float h, float k,
                                  Gdiplus::Color border, float penWidth, bool fill, Gdiplus::Color fillColor);
    static void AddRoundedRectangle(Gdiplus::GraphicsPath& path, float x, float y, float w, float h, float r);
    static void RotatePoint(Gdiplus::PointF& point, float angle, const Gdiplus::PointF& centre);
    static void CheckAlphaColor(unsigned long& argb);

    // Images in rectangles: nine-grid of the source cell (sx, sy, sw, sh).
    static void DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& rect, int sx,
                               int sy, int sw, int sh, int corner);
    static void DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& rect,
                                  int sx, int sy, int sw, int sh, int left, int top, int right, int bottom);
    static CRect GetImageRect(int width, int height, CRect rect);

    // Blending with a linearly changing constant alpha; returns the alpha of the last row or column.
    static int DrawVerticalTransition(HDC& dest, HDC& source, const CRect& destRect, const CRect& sourceRect,
                                      int startPercent, int endPercent);
    static int DrawHorizontalTransition(HDC& dest, HDC& source, const CRect& destRect,
                                        const CRect& sourceRect, int startPercent, int endPercent);
    static void DrawRightBottomTransition(HDC& dest, HDC& source, CRect rect, int size, unsigned long unused);

    // Text.
    static CSize GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format,
                               const CString& text);
    static CSize GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format, int width,
                               const CString& text);
    static CSize GetTextBounds(const Gdiplus::Font& font, const CString& text);
    static CPoint GetOriginPoint(int w, int h, int cw, int ch, UINT hAlign, UINT vAlign);
    static CPoint GetOriginPoint(CRect rect, int cw, int ch, UINT hAlign, UINT vAlign);
    static int DrawTextW(HDC dc, CRect& rect, const wchar_t* text, unsigned long color, HFONT font,
                         UINT format);
};

} // namespace Vantix
