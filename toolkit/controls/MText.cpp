// MText: the text label's state, its scroll-bar child and its rendering.
#include "controls/MText.h"

#include "controls/SurfaceGraphics.h"
#include "core/Manager.h"
#include "core/ScopedLock.h"

namespace Vantix {

namespace {

const UINT kScrollBarId = 1;
const UINT kPositionMoved = 8;
const INT kSingleLineFlags =
    Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces;
const INT kMultiLineFlags =
    Gdiplus::StringFormatFlagsNoClip | Gdiplus::StringFormatFlagsMeasureTrailingSpaces;

Gdiplus::StringAlignment Horizontal(UINT alignment) {
    switch (alignment) {
    case 1:
        return Gdiplus::StringAlignmentCenter;
    case 2:
        return Gdiplus::StringAlignmentFar;
    default:
        return Gdiplus::StringAlignmentNear;
    }
}

Gdiplus::StringAlignment Vertical(UINT alignment) {
    switch (alignment) {
    case 4:
        return Gdiplus::StringAlignmentCenter;
    case 8:
        return Gdiplus::StringAlignmentFar;
    default:
        return Gdiplus::StringAlignmentNear;
    }
}

} // namespace

MText::MText(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible)
    : MControlFont(parent, id, rect, title, visible, 0, 1), m_scrollBar(0), m_scrollBarWidth(8), m_shadow(0),
      m_textBack(0), m_textBackColor(0xFF008000), m_secondColor(0xFF505050), m_markColor(0xFFED801B),
      m_markOption(0), m_multiLine(0), m_vCenter(0) {}

MText::~MText() = default;

LRESULT MText::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    OnMessage(id, code, wParam, lParam);
    return 0;
}

LRESULT MText::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (id == kScrollBarId && code == kPositionMoved)
        UpdateControl(1, 0);
    return 0;
}

void MText::EnableTextBack(int on, Gdiplus::Color color) {
    if (on != m_textBack) {
        m_textBack = on;
        m_textBackColor = color;
    }
    UpdateControl(1, 0);
}

void MText::ApplyMarkText(CString title, CString mark, Gdiplus::Color color, int option) {
    if (title == GetTitle() && mark == m_markText && color.GetValue() == m_markColor.GetValue() &&
        option == m_markOption)
        return;
    SetControlTitle(title);
    m_markText = mark;
    m_markColor = color;
    m_markOption = option;
    UpdateControl(1, 0);
}

int MText::GetVirtualHeight() {
    return 0;
}

void MText::SetControlRect(CRect rect) {
    MControlFont::SetControlRect(rect);
    if (!m_scrollBar)
        return;
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->GetControlID() == kScrollBarId)
            child->SetRect(CRect(rect.right - m_scrollBarWidth, rect.top, rect.right, rect.bottom));
}

int MText::OnControlScroll(int, UINT, CPoint) {
    return 1;
}

void MText::DrawControl(HDC& dc, CRect) {
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    if (!m_updated) {
        UpdateMemDC(dc, width, height);
        HDC surface = m_memDC.Get();
        if (!m_textBack)
            ::BitBlt(surface, 0, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        SurfaceGraphics graphics(surface);
        if (graphics.Get()) {
            if (m_textBack)
                graphics.Get()->Clear(m_textBackColor);
            RenderTitle(*graphics.Get(), width, height);
        }
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC.Get(), 0, 0, SRCCOPY);
}

void MText::RenderTitle(Gdiplus::Graphics& graphics, int width, int height) {
    if (m_title.IsEmpty())
        return;
    Gdiplus::FontFamily* family = GetFontFamily(m_fontName);
    if (!family)
        return;
    Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(Manager::GetScaleValue(m_fontSize)), m_fontStyle,
                       Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush(m_textColor);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    Gdiplus::StringFormat format;
    format.SetAlignment(Horizontal(m_hAlign));
    format.SetLineAlignment(Vertical(m_vAlign));
    if (m_multiLine) {
        format.SetFormatFlags(kMultiLineFlags);
        if (m_vCenter)
            format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    } else {
        format.SetFormatFlags(kSingleLineFlags);
    }
    const Gdiplus::RectF layout(0, 0, static_cast<Gdiplus::REAL>(width), static_cast<Gdiplus::REAL>(height));
    graphics.DrawString(m_title.GetString(), m_title.GetLength(), &font, layout, &format, &brush);
}

} // namespace Vantix
