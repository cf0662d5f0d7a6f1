// CArea: the background panel's colours and its washed, framed or solid drawing.
#include "controls/CArea.h"

#include "controls/MRender.h"
#include "controls/SurfaceGraphics.h"
#include "core/GdiObject.h"
#include "core/MemoryDC.h"

namespace Vantix {

namespace {

const BYTE kFillAlpha = 254;

void Fill(HDC dc, const Gdiplus::Color& color, int x, int y, int width, int height) {
    SurfaceGraphics graphics(dc);
    if (!graphics.Get())
        return;
    Gdiplus::SolidBrush brush(color);
    graphics.Get()->FillRectangle(&brush, x, y, width, height);
}

} // namespace

CArea::CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControl(parent, id, rect, visible, enabled, 1), m_fadeDirection(1), m_startTransparency(80),
      m_endTransparency(80), m_color(0x00FFFFFF), m_frame(0), m_frameColor(0xFE050505) {}

CArea::~CArea() = default;

void CArea::SetTransparent(int start, int end, unsigned long color) {
    m_startTransparency = start;
    m_endTransparency = end;
    m_color = color;
    UpdateControl(1, 0);
}

void CArea::SetFrame(int on, Gdiplus::Color color, int) {
    m_frame = on;
    m_frameColor = color;
    UpdateControl(1, 0);
}

void CArea::DrawControl(HDC& dc, CRect) {
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    if (!m_updated) {
        UpdateMemDC(dc, width, height);
        HDC surface = m_memDC.Get();
        ::BitBlt(surface, 0, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        const Gdiplus::Color fill(kFillAlpha, GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
        if (m_startTransparency || m_endTransparency) {
            RenderWash(surface, fill, width, height);
        } else if (m_frame) {
            Fill(surface, m_frameColor, 0, 0, width, height);
            Fill(surface, fill, 1, 1, width - 2, height - 2);
        } else {
            Fill(surface, fill, 0, 0, width, height);
        }
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC.Get(), 0, 0, SRCCOPY);
}

void CArea::RenderWash(HDC surface, const Gdiplus::Color& fill, int width, int height) {
    GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(surface, width, height));
    MemoryDC colour;
    if (!bitmap || !colour.Create(surface))
        return;
    colour.Select(bitmap.Get());
    Fill(colour.Get(), fill, 0, 0, width, height);
    HDC source = colour.Get();
    const CRect whole(0, 0, width, height);
    MRender::DrawVerticalTransition(surface, source, whole, whole, m_startTransparency, m_endTransparency);
}

} // namespace Vantix
