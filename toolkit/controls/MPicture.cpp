// MPicture: the picture's own image and its drawing by show mode.
#include "controls/MPicture.h"

#include <algorithm>

#include "controls/MRender.h"
#include "controls/SurfaceGraphics.h"
#include "core/Manager.h"
#include "core/SkinPath.h"

namespace Vantix {

namespace {

// The source part (sx, sy, sw, sh) of image into the destination (x, y, w, h), in pixels.
void DrawPart(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int x, int y, int w, int h, int sx, int sy,
              int sw, int sh) {
    graphics.DrawImage(image, Gdiplus::Rect(x, y, w, h), sx, sy, sw, sh, Gdiplus::UnitPixel);
}

} // namespace

MPicture::MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), m_showMode(SHOW_NORMAL), m_frameSize(4),
      m_frameLeft(0), m_frameTop(0), m_frameRight(0), m_frameBottom(0) {
    m_imageCount = 1;
}

MPicture::~MPicture() = default;

BOOL MPicture::SetImage(const wchar_t* name, int count) {
    OwnImage(name ? MRender::LoadImageFromFile(GetSkinPath() + name) : nullptr, count);
    UpdateControl(1, 0);
    return m_image ? TRUE : FALSE;
}

BOOL MPicture::SetImage(UINT id, CString type, int count) {
    OwnImage(MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance), count);
    if (!m_image)
        return FALSE;
    UpdateControl(1, 0);
    return TRUE;
}

void MPicture::OwnImage(Gdiplus::Image* image, int count) {
    m_ownImage.Reset(image);
    if (m_ownImage && m_ownImage->GetLastStatus() != Gdiplus::Ok)
        m_ownImage.Reset();
    m_image = m_ownImage.Get();
    if (!m_image)
        return;
    // A strip of no cells would divide by zero: it is shown as one cell.
    m_imageCount = std::max(count, 1);
    m_imageWidth = static_cast<int>(m_image->GetWidth()) / m_imageCount;
    m_imageHeight = static_cast<int>(m_image->GetHeight());
}

int MPicture::SetShowMode(enumShowMode mode, int frameSize) {
    if (mode == m_showMode && (mode != SHOW_FRAME || frameSize == m_frameSize))
        return 0;
    m_frameSize = frameSize;
    m_showMode = mode;
    UpdateControl(1, 0);
    return 1;
}

int MPicture::SetShowModeMID(int left, int top, int right, int bottom) {
    m_frameLeft = left;
    m_frameTop = top;
    m_frameRight = right;
    m_frameBottom = bottom;
    m_showMode = SHOW_FRAME_MID;
    UpdateControl(1, 0);
    return 1;
}

void MPicture::DrawControl(HDC& dc, CRect) {
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    if (!m_updated) {
        UpdateMemDC(dc, width, height);
        HDC surface = m_memDC.Get();
        ::BitBlt(surface, 0, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        SurfaceGraphics graphics(surface);
        if (graphics.Get() && m_image && m_imageWidth > 0 && m_imageHeight > 0)
            RenderImage(*graphics.Get(), width, height);
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC.Get(), 0, 0, SRCCOPY);
}

void MPicture::RenderImage(Gdiplus::Graphics& graphics, int width, int height) {
    const int w = m_imageWidth;
    const int h = m_imageHeight;
    const CRect whole(0, 0, width, height);
    switch (m_showMode) {
    case SHOW_NORMAL: {
        const int x = m_hAlign == 0 ? 0 : m_hAlign == 2 ? width - w : (width - w) / 2;
        const int y = m_vAlign == 0 ? 0 : m_vAlign == 8 ? height - h : (height - h) / 2;
        DrawPart(graphics, m_image, x, y, w, h, 0, 0, w, h);
        break;
    }
    case SHOW_TILE:
        RenderTiles(graphics, width, height);
        break;
    case SHOW_STRETCH:
        DrawPart(graphics, m_image, 0, 0, width, height, 0, 0, w, h);
        break;
    case SHOW_FRAME:
        MRender::DrawImageFrame(graphics, m_image, whole, 0, 0, w, h, m_frameSize);
        break;
    case SHOW_FRAME_MID:
        MRender::DrawImageFrameMID(graphics, m_image, whole, 0, 0, w, h, m_frameLeft, m_frameTop,
                                   m_frameRight, m_frameBottom);
        break;
    case SHOW_CUSTOM:
        DrawPart(graphics, m_image, 0, 0, width, height, m_customRect.left, m_customRect.top,
                 m_customRect.Width(), m_customRect.Height());
        break;
    default:
        break;
    }
}

void MPicture::RenderTiles(Gdiplus::Graphics& graphics, int width, int height) {
    const int w = m_imageWidth;
    const int h = m_imageHeight;
    for (int n = 0; n <= width / w; ++n) {
        for (int i = 0; i <= height / h; ++i) {
            const int tileWidth = std::min(w, width - n * w);
            const int tileHeight = std::min(h, height - i * h);
            if (tileWidth > 0 && tileHeight > 0)
                DrawPart(graphics, m_image, n * w, i * h, tileWidth, tileHeight, 0, 0, tileWidth, tileHeight);
        }
    }
}

} // namespace Vantix
