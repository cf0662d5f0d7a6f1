// Nine-grid frames and fitting an image into a rectangle.
#include "controls/MRender.h"

namespace Vantix {

namespace {

// Corner pieces are copied as they are. Stretched pieces are filled with a mirroring texture scaled to
// the piece: their edge samples stay inside the piece, and no column is lost where a stretch factor
// maps a destination edge a rounding error outside the source (Wine's DrawImage drops such pixels).
void DrawPiece(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& source,
               const Gdiplus::Rect& dest) {
    // An image or rectangle too small for its margins leaves no room for this piece.
    if (source.Width <= 0 || source.Height <= 0 || dest.Width <= 0 || dest.Height <= 0)
        return;
    if (source.Width == dest.Width && source.Height == dest.Height) {
        graphics.DrawImage(image, dest, source.X, source.Y, source.Width, source.Height, Gdiplus::UnitPixel);
        return;
    }
    Gdiplus::TextureBrush texture(image, Gdiplus::WrapModeTileFlipXY, source);
    if (texture.GetLastStatus() != Gdiplus::Ok)
        return;
    texture.TranslateTransform(static_cast<Gdiplus::REAL>(dest.X), static_cast<Gdiplus::REAL>(dest.Y));
    texture.ScaleTransform(static_cast<Gdiplus::REAL>(dest.Width) / source.Width,
                           static_cast<Gdiplus::REAL>(dest.Height) / source.Height);
    graphics.FillRectangle(&texture, dest);
}

} // namespace

void MRender::DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& rect, int sx,
                             int sy, int sw, int sh, int corner) {
    DrawImageFrameMID(graphics, image, rect, sx, sy, sw, sh, corner, corner, corner, corner);
}

void MRender::DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& rect, int sx,
                                int sy, int sw, int sh, int l, int t, int r, int b) {
    if (!image)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const int midSourceW = sw - l - r, midSourceH = sh - t - b;
    const int midDestW = R - L - l - r, midDestH = B - T - t - b;
    using Gdiplus::Rect;
    DrawPiece(graphics, image, Rect(sx, sy, l, t), Rect(L, T, l, t));
    DrawPiece(graphics, image, Rect(sx, sy + t, l, midSourceH), Rect(L, T + t, l, midDestH));
    DrawPiece(graphics, image, Rect(sx, sy + sh - b, l, b), Rect(L, B - b, l, b));
    DrawPiece(graphics, image, Rect(sx + l, sy, midSourceW, t), Rect(L + l, T, midDestW, t));
    DrawPiece(graphics, image, Rect(sx + sw - r, sy, r, t), Rect(R - r, T, r, t));
    DrawPiece(graphics, image, Rect(sx + sw - r, sy + t, r, midSourceH), Rect(R - r, T + t, r, midDestH));
    DrawPiece(graphics, image, Rect(sx + sw - r, sy + sh - b, r, b), Rect(R - r, B - b, r, b));
    DrawPiece(graphics, image, Rect(sx + l, sy + sh - b, midSourceW, b), Rect(L + l, B - b, midDestW, b));
    DrawPiece(graphics, image, Rect(sx + l, sy + t, midSourceW, midSourceH),
              Rect(L + l, T + t, midDestW, midDestH));
}

CRect MRender::GetImageRect(int w, int h, CRect rc) {
    const int W = rc.Width(), H = rc.Height();
    // Scaling divides by the image's sides; an image without area is only centred.
    if (w > 0 && h > 0) {
        const double ratio = static_cast<double>(W) / H;
        if (w > W && h > H) {
            if (static_cast<double>(w) / h > ratio) {
                h = W * h / w;
                w = W;
            } else {
                w = H * w / h;
                h = H;
            }
        } else if (w > W && h < H) {
            h = W * h / w;
            w = W;
        } else if (w < W && h > H) {
            w = H * w / h;
            h = H;
        }
    }
    const int left = rc.left + (W - w) / 2;
    const int top = rc.top + (H - h) / 2;
    return CRect(left, top, left + w, top + h);
}

} // namespace Vantix
