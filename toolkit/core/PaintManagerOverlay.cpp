// PaintManager: the overlays drawn over the controls: the info overlay with the CPU temperature,
// and the message panel with its optional progress bar, which holds, animates and fades on the
// host's own timers.
#include "core/PaintManager.h"

#include <cmath>

#include "core/Manager.h"

namespace Vantix {

namespace {

// The pointer over this part of the client area outlines it.
const RECT kInfoHotRect = {275, 10, 293, 27};
const UINT kHoldMs = 3000;
const UINT kFadeStepMs = 50;
const UINT kProgressStepMs = 10;
const int kFadeStep = 10;
const int kProgressStep = 2;

// Truncated toward zero; a value no int can hold shows as 0.
int WholeDegrees(float temperature) {
    if (!std::isfinite(temperature) || std::fabs(temperature) >= 1e9f)
        return 0;
    return static_cast<int>(temperature);
}

Gdiplus::Color WithAlpha(int alpha, Gdiplus::ARGB rgb) {
    return Gdiplus::Color((static_cast<Gdiplus::ARGB>(alpha) << 24) | rgb);
}

void Fill(Gdiplus::Graphics& graphics, const Gdiplus::Color& color, INT x, INT y, INT width, INT height) {
    Gdiplus::SolidBrush brush(color);
    graphics.FillRectangle(&brush, x, y, width, height);
}

// Text in one line, centred vertically in the box; nothing when the family or font is missing.
void DrawTextLine(Gdiplus::Graphics& graphics, Gdiplus::FontFamily* family, float size, const CString& text,
                  const Gdiplus::RectF& box, Gdiplus::StringAlignment alignment, const Gdiplus::Color& color,
                  INT flags) {
    if (!family)
        return;
    Gdiplus::Font font(family, size, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    if (font.GetLastStatus() != Gdiplus::Ok)
        return;
    Gdiplus::StringFormat format;
    format.SetAlignment(alignment);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    if (flags)
        format.SetFormatFlags(flags);
    Gdiplus::SolidBrush brush(color);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    graphics.DrawString(text.GetString(), -1, &font, box, &format, &brush);
}

} // namespace

void PaintManager::DrawOverlays(PaintBuffer& frame, const CRect& client) {
    const bool message = m_msgAlpha > 10 && !m_msgText.IsEmpty();
    if (!m_drawInfo && !message)
        return;
    GdiplusObject<Gdiplus::Bitmap> view = frame.CreateView();
    if (!view)
        return;
    Gdiplus::Graphics graphics(view.Get());
    if (m_drawInfo)
        DrawInfo(graphics, client);
    if (message)
        DrawMessage(graphics);
}

void PaintManager::DrawInfo(Gdiplus::Graphics& graphics, const CRect& client) {
    POINT pointer;
    if (::GetCursorPos(&pointer) && ::ScreenToClient(m_hWnd, &pointer) &&
        ::PtInRect(&kInfoHotRect, pointer)) {
        Gdiplus::Pen pen(Gdiplus::Color(0xFFC8C8C8), 1.0f);
        graphics.DrawRectangle(&pen, Gdiplus::Rect(kInfoHotRect.left, kInfoHotRect.top,
                                                   kInfoHotRect.right - kInfoHotRect.left,
                                                   kInfoHotRect.bottom - kInfoHotRect.top));
    }
    CString text;
    text.Format(L"%d", WholeDegrees(Manager::GetCPUTemp()));
    const Gdiplus::RectF box(static_cast<float>(client.Width() / 2 - 55), 100.0f, 120.0f, 60.0f);
    DrawTextLine(graphics, FindTempFont(L"Arial"), 50.0f, text, box, Gdiplus::StringAlignmentCenter,
                 Gdiplus::Color(0xFFFBFBFB),
                 Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
}

void PaintManager::DrawMessage(Gdiplus::Graphics& graphics) {
    const CRect& r = m_msgRect;
    const int alpha = m_msgAlpha;
    Fill(graphics, WithAlpha(alpha, 0xE6E6E6), r.left, r.top, r.Width(), r.Height());
    Fill(graphics, WithAlpha(alpha, 0xFEFEFE), r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 4);
    Gdiplus::FontFamily* family = FindTempFont(m_msgFontName.GetString());
    const Gdiplus::Color ink = WithAlpha(alpha, 0x050505);
    const float left = static_cast<float>(r.left + 5);
    const float top = static_cast<float>(r.top + 5);
    if (m_progressShown < 1) {
        DrawTextLine(graphics, family, 12.0f, m_msgText, Gdiplus::RectF(left, top, 190.0f, 50.0f),
                     Gdiplus::StringAlignmentNear, ink, 0);
        return;
    }
    DrawTextLine(graphics, family, 12.0f, m_msgText,
                 Gdiplus::RectF(left, top, static_cast<float>(r.Width() - 10), 30.0f),
                 Gdiplus::StringAlignmentCenter, ink, 0);
    Gdiplus::Pen track(Gdiplus::Color(0xC8C8C8C8), 1.0f);
    graphics.DrawLine(&track, Gdiplus::Point(r.left + 10, r.bottom - 15),
                      Gdiplus::Point(r.right - 20, r.bottom - 15));
    Fill(graphics, Gdiplus::Color(0xFEFFE100), r.left + 10, r.bottom - 16,
         m_progressShown * (r.Width() - 20) / 100, 3);
}

void PaintManager::SetMessage(CString text, CRect rect, MsgLevel level) {
    if (IsWindowValid()) {
        ::KillTimer(m_hWnd, TIMER_MESSAGE_HOLD);
        ::KillTimer(m_hWnd, TIMER_MESSAGE_FADE);
    }
    m_msgAlpha = 255;
    m_msgText = text;
    m_msgLevel = level;
    m_progressShown = 0;
    m_msgRect = rect;
    InvalidateRect(m_msgRect, FALSE);
    if (IsWindowValid())
        ::SetTimer(m_hWnd, TIMER_MESSAGE_HOLD, kHoldMs, nullptr);
}

void PaintManager::SetProgress(int percent, CString text, CRect rect) {
    if (percent == m_progressTarget)
        return;
    // A new operation stops the fade of the last one.
    if (percent < 5 && IsWindowValid())
        ::KillTimer(m_hWnd, TIMER_MESSAGE_FADE);
    m_msgAlpha = 255;
    m_msgText = text;
    m_progressTarget = percent;
    if (rect.IsRectEmpty()) {
        // A full-width strip along the bottom of the window.
        GetClientRect(rect);
        rect.top = rect.bottom - 60;
        rect.bottom -= 2;
    }
    m_msgRect = rect;
    if (m_progressTarget - m_progressShown < 6) {
        m_progressShown = m_progressTarget;
        InvalidateRect(m_msgRect, FALSE);
        if (m_progressShown > 99 && IsWindowValid())
            ::SetTimer(m_hWnd, TIMER_MESSAGE_FADE, kFadeStepMs, nullptr);
    } else if (IsWindowValid()) {
        ::SetTimer(m_hWnd, TIMER_PROGRESS, kProgressStepMs, nullptr);
    }
}

void PaintManager::OnMessageHoldTimer() {
    ::KillTimer(m_hWnd, TIMER_MESSAGE_HOLD);
    ::SetTimer(m_hWnd, TIMER_MESSAGE_FADE, kFadeStepMs, nullptr);
}

void PaintManager::OnMessageFadeTimer() {
    m_msgAlpha -= kFadeStep;
    if (m_msgAlpha < 20) {
        m_msgAlpha = 0;
        m_progressShown = 0;
        ::KillTimer(m_hWnd, TIMER_MESSAGE_FADE);
        CRect client;
        GetClientRect(client);
        InvalidateRect(client, FALSE);
    }
    InvalidateRect(m_msgRect, FALSE);
}

void PaintManager::OnProgressTimer() {
    m_progressShown += kProgressStep;
    if (m_progressShown >= m_progressTarget) {
        // An odd distance would step past the target.
        m_progressShown = m_progressTarget;
        ::KillTimer(m_hWnd, TIMER_PROGRESS);
    }
    InvalidateRect(m_msgRect, FALSE);
    if (m_progressShown >= 100)
        ::SetTimer(m_hWnd, TIMER_MESSAGE_FADE, kFadeStepMs, nullptr);
}

} // namespace Vantix
