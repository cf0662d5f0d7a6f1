// Picture control: shows one image of its own (natural size, tiled, stretched, nine-grid or a
// custom source rectangle). It owns its image instead of using the host's shared records.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "controls/MControlFont.h"
#include "core/GdiplusObject.h"
#include "core/VantixApi.h"

namespace Vantix {

// How a picture fills its rectangle.
enum enumShowMode {
    SHOW_NORMAL = 0,
    SHOW_TILE = 1,
    SHOW_STRETCH = 2,
    SHOW_FRAME = 3,
    SHOW_FRAME_MID = 4,
    SHOW_CUSTOM = 5
};

class VANTIX_API MPicture : public MControlFont {
public:
    MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MPicture() override;

    // Replace the picture's own image by a resource of the application or a file of the skin
    // folder; count cells side by side (below 1 counts as 1), the first of which is shown.
    BOOL SetImage(UINT id, CString type, int count) override;
    BOOL SetImage(const wchar_t* name, int count) override;

    int SetShowMode(enumShowMode mode, int frameSize);
    int SetShowModeMID(int left, int top, int right, int bottom);
    void SetCustomRect(CRect rect) { m_customRect = rect; }

protected:
    void DrawControl(HDC& dc, CRect clip) override;

    enumShowMode m_showMode;
    int m_frameSize;
    int m_frameLeft;
    int m_frameTop;
    int m_frameRight;
    int m_frameBottom;
    CRect m_customRect;
    GdiplusObject<Gdiplus::Image> m_ownImage; // m_image points at it

private:
    // Owns image (null or undecodable: none) as a strip of count cells.
    void OwnImage(Gdiplus::Image* image, int count);
    void RenderImage(Gdiplus::Graphics& graphics, int width, int height);
    void RenderTiles(Gdiplus::Graphics& graphics, int width, int height);
};

} // namespace Vantix
