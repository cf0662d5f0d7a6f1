// Rounded rectangles and point rotation.
#include "controls/MRender.h"

#include <algorithm>
#include <cmath>

namespace Vantix {

namespace {

// Four lines and four arcs, clockwise from the top edge.
void AddRoundPath(Gdiplus::GraphicsPath& path, float x, float y, float w, float h, float rx, float ry) {
    path.AddLine(x + rx, y, x + w - rx, y);
    path.AddArc(x + w - 2 * rx, y, 2 * rx, 2 * ry, 270, 90);
    path.AddLine(x + w, y + ry, x + w, y + h - ry);
    path.AddArc(x + w - 2 * rx, y + h - 2 * ry, 2 * rx, 2 * ry, 0, 90);
    path.AddLine(x + w - rx, y + h, x + rx, y + h);
    path.AddArc(x, y + h - 2 * ry, 2 * rx, 2 * ry, 90, 90);
    path.AddLine(x, y + h - ry, x, y + ry);
    path.AddArc(x, y, 2 * rx, 2 * ry, 180, 90);
}

} // namespace

void MRender::DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float w, float h, float r,
                                Gdiplus::Color color) {
    Gdiplus::GraphicsPath path;
    AddRoundPath(path, x, y, w, h, r, r);
    Gdiplus::SolidBrush brush(color);
    graphics.FillPath(&brush, &path);
}

void MRender::DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float w, float h, float k,
                                Gdiplus::Color border, float penWidth, bool fill, Gdiplus::Color fillColor) {
    float rx = w / k * 0.5f;
    float ry = h / k * 0.5f;
    if (std::fabs(rx - ry) > 10)
        rx = ry = std::min(rx, ry);
    Gdiplus::GraphicsPath path;
    AddRoundPath(path, x, y, w, h, rx, ry);
    if (fill) {
        Gdiplus::SolidBrush brush(fillColor);
        graphics.FillPath(&brush, &path);
    }
    Gdiplus::Pen pen(border, penWidth);
    graphics.DrawPath(&pen, &path);
}

void MRender::AddRoundedRectangle(Gdiplus::GraphicsPath& path, float x, float y, float w, float h, float r) {
    path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
    path.AddLine(x + r, y, x + w - 2 * r, y);
    path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
    path.AddLine(x + w, y + r, x + w, y + h - 2 * r);
    path.AddArc(x + w - 2 * r, y + h - 2 * r, 2 * r, 2 * r, 0, 90);
    path.AddLine(x + w - 2 * r, y + h, x + r, y + h);
    path.AddArc(x, y + h - 2 * r, 2 * r, 2 * r, 90, 90);
    path.CloseFigure();
}

void MRender::RotatePoint(Gdiplus::PointF& point, float angle, const Gdiplus::PointF& centre) {
    const float radians = angle * 3.1415926f / 180;
    const float co = std::cos(radians);
    const float si = std::sin(radians);
    const float dx = point.X - centre.X;
    const float dy = point.Y - centre.Y;
    point.X = dx * co - dy * si + centre.X;
    point.Y = dy * co + dx * si + centre.Y;
}

} // namespace Vantix
