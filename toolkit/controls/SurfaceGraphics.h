// GDI+ drawing on a control's memory surface. When the surface is a 32-bit DIB section (as the
// surfaces made compatible with a paint pass are), the drawing goes through a premultiplied view of
// its pixels, so that text and images keep their alpha in layered windows; otherwise on the DC.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/GdiplusObject.h"

namespace Vantix {

class SurfaceGraphics {
public:
    explicit SurfaceGraphics(HDC surface);
    SurfaceGraphics(const SurfaceGraphics&) = delete;
    SurfaceGraphics& operator=(const SurfaceGraphics&) = delete;

    // Null when GDI+ could not draw on the surface.
    Gdiplus::Graphics* Get() const { return m_graphics.Get(); }

private:
    GdiplusObject<Gdiplus::Bitmap> m_view;
    GdiplusObject<Gdiplus::Graphics> m_graphics; // declared after the view, so it goes first
};

} // namespace Vantix
