// Text measurement, placement inside a box, and GDI text.
#include "controls/MRender.h"

#include <cmath>

namespace Vantix {

namespace {

bool HasFraction(float value) {
    return value != std::trunc(value);
}

// A fractional width counts as the next whole pixel.
int WholeWidth(float width) {
    return static_cast<int>(HasFraction(width) ? width + 1 : width);
}

Gdiplus::RectF PathBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format, float layoutWidth,
                          const CString& text) {
    Gdiplus::FontFamily family;
    font.GetFamily(&family);
    Gdiplus::GraphicsPath path;
    path.AddString(text.GetString(), text.GetLength(), &family, font.GetStyle(), font.GetSize(),
                   Gdiplus::RectF(0, 0, layoutWidth, 0), &format);
    Gdiplus::RectF bounds;
    path.GetBounds(&bounds);
    return bounds;
}

int Offset(int box, int item, UINT align, UINT middle, UINT end) {
    if (align == middle)
        return (box - item) / 2;
    if (align == end)
        return box - item;
    return 0;
}

} // namespace

CSize MRender::GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format,
                             const CString& text) {
    Gdiplus::RectF bounds = PathBounds(font, format, 0, text);
    const float fontHeight = font.GetHeight(0.0f);
    const int height =
        HasFraction(fontHeight) ? static_cast<int>(fontHeight + 4) : static_cast<int>(fontHeight) + 1;
    return CSize(WholeWidth(bounds.Width), height);
}

CSize MRender::GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format, int width,
                             const CString& text) {
    Gdiplus::RectF bounds = PathBounds(font, format, static_cast<float>(width), text);
    const float fontHeight = font.GetHeight(0.0f);
    const int t = static_cast<int>(HasFraction(fontHeight) ? fontHeight + 2 : fontHeight + 1);
    const float u = HasFraction(bounds.Height) ? bounds.Height + 2 : bounds.Height + 1;
    const int height = t < static_cast<int>(u) ? static_cast<int>(u) + 5 : t + 1;
    return CSize(WholeWidth(bounds.Width), height);
}

CSize MRender::GetTextBounds(const Gdiplus::Font& font, const CString& text) {
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    return GetTextBounds(font, format, text);
}

CPoint MRender::GetOriginPoint(int w, int h, int cw, int ch, UINT hAlign, UINT vAlign) {
    return CPoint(Offset(w, cw, hAlign, DT_CENTER, DT_RIGHT), Offset(h, ch, vAlign, DT_VCENTER, DT_BOTTOM));
}

CPoint MRender::GetOriginPoint(CRect rect, int cw, int ch, UINT hAlign, UINT vAlign) {
    CPoint offset = GetOriginPoint(rect.Width(), rect.Height(), cw, ch, hAlign, vAlign);
    return CPoint(rect.left + offset.x, rect.top + offset.y + 2);
}

int MRender::DrawTextW(HDC dc, CRect& rect, const wchar_t* text, unsigned long color, HFONT font,
                       UINT format) {
    if (!text)
        return 0;
    SetBkMode(dc, TRANSPARENT);
    COLORREF previousColor = SetTextColor(dc, color);
    HGDIOBJ previousFont = font ? SelectObject(dc, font) : nullptr;
    int height = ::DrawTextW(dc, text, -1, &rect, format);
    SetTextColor(dc, previousColor);
    if (previousFont)
        SelectObject(dc, previousFont);
    return height;
}

} // namespace Vantix
