// SurfaceGraphics: a GDI+ view over the pixels of a 32-bit DIB section, or the DC itself.
#include "controls/SurfaceGraphics.h"

namespace Vantix {

namespace {

// A premultiplied view of the DIB section selected into dc, top row first; empty for other bitmaps.
GdiplusObject<Gdiplus::Bitmap> CreateView(HDC dc) {
    GdiplusObject<Gdiplus::Bitmap> view;
    DIBSECTION section = {};
    HGDIOBJ bitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || ::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section))
        return view;
    const BITMAP& info = section.dsBm;
    if (info.bmBitsPixel != 32 || !info.bmBits || info.bmWidth <= 0 || info.bmHeight <= 0)
        return view;
    BYTE* top = static_cast<BYTE*>(info.bmBits);
    INT stride = info.bmWidthBytes;
    if (section.dsBmih.biHeight > 0) {
        // Bottom-up rows: start at the top row and step backwards.
        top += static_cast<size_t>(info.bmHeight - 1) * info.bmWidthBytes;
        stride = -stride;
    }
    view.Reset(new Gdiplus::Bitmap(info.bmWidth, info.bmHeight, stride, PixelFormat32bppPARGB, top));
    if (view->GetLastStatus() != Gdiplus::Ok)
        view.Reset();
    return view;
}

} // namespace

SurfaceGraphics::SurfaceGraphics(HDC surface) {
    // Blits into the surface must have landed before GDI+ touches its pixels.
    ::GdiFlush();
    m_view = CreateView(surface);
    m_graphics.Reset(m_view ? new Gdiplus::Graphics(m_view.Get()) : new Gdiplus::Graphics(surface));
    if (m_graphics->GetLastStatus() != Gdiplus::Ok)
        m_graphics.Reset();
}

} // namespace Vantix
