// MButton: the push button's state machine, its notifications and its four-slot surface.
#include "controls/MButton.h"

#include <utility>

#include "controls/MRender.h"
#include "controls/SurfaceGraphics.h"
#include "core/Manager.h"
#include "core/SkinPath.h"

namespace Vantix {

namespace {

const int kStateCount = 4;
const UINT kPressed = 1;
const UINT kClicked = 2;
const Gdiplus::ARGB kDisabledText = 0xFF808080;
const INT kCaptionFlags = Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces;

void ShowCursor(const wchar_t* name) {
    ::SetCursor(::LoadCursorW(nullptr, name));
}

} // namespace

MButton::MButton(MObject* parent, UINT id, CRect rect, const wchar_t* caption, int visible, int enabled)
    : MControlFont(parent, id, rect, caption, visible, enabled, 1),
      // A button made disabled shows its disabled cell from the start.
      m_state(enabled ? STATE_NORMAL : STATE_DISABLED), m_frameSize(8), m_iconWidth(0), m_iconHeight(0),
      m_iconCount(4) {
    m_hAlign = 1;
}

MButton::~MButton() = default;

BOOL MButton::SetIconImage(const wchar_t* name, int count) {
    if (!name)
        return FALSE;
    GdiplusObject<Gdiplus::Image> icon(MRender::LoadImageFromFile(GetSkinPath() + name));
    if (!icon || icon->GetLastStatus() != Gdiplus::Ok)
        return FALSE;
    m_iconImage = std::move(icon);
    m_iconCount = count < 1 ? 1 : count;
    m_iconWidth = static_cast<int>(m_iconImage->GetWidth()) / m_iconCount;
    m_iconHeight = static_cast<int>(m_iconImage->GetHeight());
    return TRUE;
}

int MButton::ChangeState(int state) {
    if (state == m_state)
        return 0;
    m_state = state;
    // All four looks are in the surface already: only a new copy is needed.
    UpdateControl(0, 0);
    return 1;
}

void MButton::SetControlEnabled(int enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    ChangeState(enabled ? STATE_NORMAL : STATE_DISABLED);
}

int MButton::OnControlMouseMove(UINT, CPoint point) {
    if (!m_enabled || m_state == STATE_PRESSED)
        return 0;
    const bool inside = m_rect.PtInRect(point) != FALSE;
    ShowCursor(inside ? IDC_HAND : IDC_ARROW);
    return ChangeState(inside ? STATE_HOVER : STATE_NORMAL);
}

int MButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_enabled || !m_rect.PtInRect(point))
        return 0;
    ShowCursor(IDC_HAND);
    const int changed = ChangeState(STATE_PRESSED);
    SendMessageW(kPressed, 0, 0);
    return changed;
}

int MButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_enabled)
        return 0;
    const bool inside = m_rect.PtInRect(point) != FALSE;
    const bool click = inside && m_state == STATE_PRESSED;
    if (!ChangeState(inside ? STATE_HOVER : STATE_NORMAL))
        return 0;
    if (click)
        SendMessageW(kClicked, 0, 0);
    return 1;
}

void MButton::DrawControl(HDC& dc, CRect) {
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    if (!m_updated) {
        UpdateMemDC(dc, kStateCount * width, height);
        HDC surface = m_memDC.Get();
        for (int slot = 0; slot < kStateCount; ++slot)
            ::BitBlt(surface, slot * width, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        SurfaceGraphics graphics(surface);
        if (graphics.Get()) {
            RenderBackground(*graphics.Get(), width, height);
            if (!m_title.IsEmpty()) {
                ::SetBkMode(surface, TRANSPARENT);
                RenderCaption(*graphics.Get(), width, height);
            }
        }
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC.Get(), width * m_state, 0, SRCCOPY);
}

void MButton::RenderBackground(Gdiplus::Graphics& graphics, int width, int height) {
    if (!m_image)
        return;
    for (int slot = 0; slot < kStateCount; ++slot)
        MRender::DrawImageFrame(graphics, m_image, CRect(slot * width, 0, (slot + 1) * width, height),
                                slot * m_imageWidth, 0, m_imageWidth, m_imageHeight, m_frameSize);
}

void MButton::RenderCaption(Gdiplus::Graphics& graphics, int width, int height) {
    Gdiplus::FontFamily* family = GetFontFamily(m_fontName);
    if (!family)
        return;
    Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(Manager::GetScaleValue(m_fontSize)), m_fontStyle,
                       Gdiplus::UnitPixel);
    graphics.SetTextRenderingHint(m_renderingHint);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(kCaptionFlags);
    for (int slot = 0; slot < kStateCount; ++slot) {
        Gdiplus::SolidBrush brush(slot == STATE_DISABLED ? Gdiplus::Color(kDisabledText) : m_textColor);
        Gdiplus::RectF box(static_cast<Gdiplus::REAL>(slot * width), 0, static_cast<Gdiplus::REAL>(width),
                           static_cast<Gdiplus::REAL>(height));
        if (!m_textRect.IsRectEmpty())
            box = Gdiplus::RectF(static_cast<Gdiplus::REAL>(m_textRect.left + slot * width),
                                 static_cast<Gdiplus::REAL>(m_textRect.top),
                                 static_cast<Gdiplus::REAL>(m_textRect.Width()),
                                 static_cast<Gdiplus::REAL>(m_textRect.Height()));
        if (slot == STATE_PRESSED)
            box.Offset(1, 1);
        graphics.DrawString(m_title.GetString(), m_title.GetLength(), &font, box, &format, &brush);
    }
}

} // namespace Vantix
