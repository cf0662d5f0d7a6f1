// Background panel: a filled or translucent rectangle, optionally with a one-pixel frame.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "controls/MControl.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CArea : public MControl {
public:
    CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CArea() override;

    // Transparencies in percent at the top and bottom, colour as COLORREF.
    void SetTransparent(int start, int end, unsigned long color);
    void SetFrame(int on, Gdiplus::Color color, int unused);

protected:
    void DrawControl(HDC& dc, CRect clip) override;

    int m_fadeDirection;
    int m_startTransparency;
    int m_endTransparency;
    COLORREF m_color;
    int m_frame;
    Gdiplus::Color m_frameColor;

private:
    // A fill of the colour blended over the surface from the start to the end transparency.
    void RenderWash(HDC surface, const Gdiplus::Color& fill, int width, int height);
};

} // namespace Vantix
