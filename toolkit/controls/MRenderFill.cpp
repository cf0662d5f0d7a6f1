// Solid, alpha and gradient fills.
#include "controls/MRender.h"

#include "controls/MsImgFunctions.h"
#include "core/GdiObject.h"
#include "core/MemoryDC.h"

namespace Vantix {

namespace {

COLOR16 Channel16(unsigned long argb, int shift) {
    return static_cast<COLOR16>(((argb >> shift) & 0xFF) << 8);
}

TRIVERTEX Vertex(LONG x, LONG y, unsigned long argb) {
    TRIVERTEX vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.Red = Channel16(argb, 16);
    vertex.Green = Channel16(argb, 8);
    vertex.Blue = Channel16(argb, 0);
    vertex.Alpha = 0xFF00;
    return vertex;
}

// True when the gradient was made of GDI bands, which leave the alpha bytes of a DIB at 0.
bool FillGradient(HDC dc, const RECT& rect, unsigned long first, unsigned long second, bool vertical,
                  int steps) {
    MsImgFunctions::GradientFillProc gradientFill = MsImgFunctions::GetGradientFill();
    if (!gradientFill) {
        MsImgFunctions::FillGradientBands(dc, rect, first, second, vertical, steps);
        return true;
    }
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, first), Vertex(rect.right, rect.bottom, second)};
    GRADIENT_RECT mesh = {0, 1};
    gradientFill(dc, vertices, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    return false;
}

void MakeOpaque(unsigned char* bits, int pixelCount) {
    for (int i = 0; i < pixelCount; ++i)
        bits[i * 4 + 3] = 0xFF;
}

} // namespace

void MRender::FillSolidRect(HDC& dc, const RECT* rect, unsigned long color) {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void MRender::FillSolidRect(HDC& dc, int x, int y, int cx, int cy, unsigned long color) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(dc, &rect, color);
}

void MRender::DrawColor(HDC dc, const RECT& rect, unsigned long argb) {
    if ((argb >> 24) == 0)
        return;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush{Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb))};
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left),
                           static_cast<INT>(rect.bottom - rect.top));
}

void MRender::DrawGradient(HDC dc, const RECT& rect, unsigned long first, unsigned long second, bool vertical,
                           int steps) {
    const int alpha = (static_cast<int>((first >> 24) & 0xFF) + static_cast<int>((second >> 24) & 0xFF)) / 2;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (alpha == 0 || width <= 0 || height <= 0)
        return;
    if (alpha == 255) {
        FillGradient(dc, rect, first, second, vertical, steps);
        return;
    }
    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateARGB32Bitmap(dc, width, height, &bits));
    MemoryDC memory;
    if (!bitmap || !memory.Create(dc))
        return;
    memory.Select(bitmap.Get());
    RECT local = {0, 0, width, height};
    if (FillGradient(memory.Get(), local, first, second, vertical, steps)) {
        GdiFlush();
        MakeOpaque(bits, width * height);
    }
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
    MsImgFunctions::GetAlphaBlend()(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, width, height,
                                    blend);
}

// Kept for its callers; it draws nothing.
void MRender::DrawRectangle(HDC&, const CRect&, int, int, int) {}

void MRender::CheckAlphaColor(unsigned long& argb) {
    if ((argb & 0x00FFFFFF) == 0)
        argb += 1;
}

} // namespace Vantix
