// PaintManager: the paint pass (background, controls, caret, overlays, then a blit or the layered
// update), the background settings, invalidation and the drag image of a control.
#include "core/PaintManager.h"

#include "controls/MRender.h"
#include "core/Manager.h"
#include "core/MemoryDC.h"
#include "core/ScopedLock.h"
#include "core/SkinPath.h"
#include "core/WindowDC.h"

namespace Vantix {

namespace {

// Paints are spaced by this pause on the window's thread, which caps them at about 60 a second.
const DWORD kPaintPauseMs = 15;

// COLORREF as a GDI+ colour with alpha 254.
Gdiplus::Color NearOpaque(COLORREF color) {
    return Gdiplus::Color(254, GetRValue(color), GetGValue(color), GetBValue(color));
}

void FillRect(Gdiplus::Graphics& graphics, const Gdiplus::Color& color, INT x, INT y, INT width, INT height) {
    Gdiplus::SolidBrush brush(color);
    graphics.FillRectangle(&brush, x, y, width, height);
}

} // namespace

void PaintManager::SetBackMode(enumBackMode mode, int corner) {
    m_backMode = mode;
    m_backParam = corner;
}

void PaintManager::SetBackColor(COLORREF inner, COLORREF border) {
    m_innerColor = inner;
    m_borderColor = border;
}

BOOL PaintManager::LoadBKImage(CString file) {
    m_bkImage.Reset(MRender::LoadImageFromFile(GetSkinPath() + file));
    m_bkWidth = m_bkImage ? static_cast<int>(m_bkImage->GetWidth()) : 0;
    m_bkHeight = m_bkImage ? static_cast<int>(m_bkImage->GetHeight()) : 0;
    return m_bkImage ? TRUE : FALSE;
}

BOOL PaintManager::LoadBKImage(UINT id, CString type) {
    m_bkImage.Reset(MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
    if (m_bkImage && m_bkImage->GetLastStatus() != Gdiplus::Ok)
        m_bkImage.Reset();
    m_bkWidth = m_bkImage ? static_cast<int>(m_bkImage->GetWidth()) : 0;
    m_bkHeight = m_bkImage ? static_cast<int>(m_bkImage->GetHeight()) : 0;
    return m_bkImage ? TRUE : FALSE;
}

void PaintManager::Invalidate() {
    if (!IsWindowValid())
        return;
    if (m_layered)
        InvalidateLayered();
    else
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void PaintManager::InvalidateRect(CRect rect, BOOL erase) {
    if (!IsWindowValid())
        return;
    if (m_layered)
        InvalidateLayered();
    else
        ::InvalidateRect(m_hWnd, &rect, erase);
}

void PaintManager::InvalidateLayered() {
    // UpdateLayeredWindow replaces the whole surface, so the whole area is repainted; the internal
    // paint makes sure a WM_PAINT comes, and the flag lets OnPaint repaint without an update region.
    m_layeredPending = 1;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_INTERNALPAINT);
}

bool PaintManager::TakeUpdateRect(CRect& update) {
    const bool pending = m_layeredPending.exchange(0) != 0;
    if (::GetUpdateRect(m_hWnd, &update, FALSE))
        return true;
    if (!pending || !m_layered)
        return false;
    ::GetClientRect(m_hWnd, &update);
    return true;
}

int PaintManager::OnPaint() {
    if (!IsWindowValid())
        return 0;
    if (::IsIconic(m_hWnd)) {
        // Validated, or the system would send WM_PAINT again at once for as long as it stays minimised.
        ::ValidateRect(m_hWnd, nullptr);
        return 1;
    }
    CRect update;
    if (!TakeUpdateRect(update))
        return 0;
    PAINTSTRUCT paint;
    HDC paintDC = ::BeginPaint(m_hWnd, &paint);
    try {
        PaintBuffer frame = RenderFrame(update);
        if (frame)
            Present(frame, paintDC, update);
    } catch (...) {
        // A pass that runs out of memory shows nothing new; the window procedure must not unwind.
    }
    ::EndPaint(m_hWnd, &paint);
    ::Sleep(kPaintPauseMs);
    return 1;
}

PaintBuffer PaintManager::RenderFrame(CRect update) {
    PaintBuffer frame;
    if (!IsWindowValid())
        return frame;
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    {
        WindowDC reference;
        reference.Acquire(m_hWnd);
        if (!frame.Create(reference.Get(), client.Width(), client.Height()))
            return frame;
    }
    update.IntersectRect(&update, &client);
    HDC dc = frame.Dc();
    const int saved = ::SaveDC(dc);
    if (m_layered)
        frame.Clear(update);
    {
        GdiplusObject<Gdiplus::Bitmap> view = frame.CreateView();
        if (view) {
            Gdiplus::Graphics graphics(view.Get());
            DrawBackground(graphics, client);
        }
    }
    // A layered window's surface is replaced whole, so every control draws all of itself.
    const CRect drawn = m_layered ? client : update;
    DrawControl(dc, drawn);
    DrawCaret(dc, drawn);
    ::GdiFlush();
    if (m_layered)
        frame.RepairAlpha(update);
    DrawOverlays(frame, client);
    ::RestoreDC(dc, saved);
    return frame;
}

void PaintManager::DrawBackground(Gdiplus::Graphics& graphics, const CRect& client) {
    if (m_bkImage) {
        DrawBackImage(graphics, client);
        return;
    }
    const int width = client.Width();
    const int height = client.Height();
    FillRect(graphics, NearOpaque(m_borderColor), 0, 0, width, height);
    FillRect(graphics, NearOpaque(m_innerColor), 1, 1, width - 2, height - 2);
}

void PaintManager::DrawBackImage(Gdiplus::Graphics& graphics, CRect rect) {
    if (!m_bkImage)
        return;
    switch (m_backMode) {
    case BACK_STRETCH:
        graphics.DrawImage(m_bkImage.Get(), Gdiplus::Rect(rect.left, rect.top, rect.Width(), rect.Height()));
        break;
    case BACK_FRAME:
        MRender::DrawImageFrame(graphics, m_bkImage.Get(), rect, 0, 0, m_bkWidth, m_bkHeight, m_backParam);
        break;
    default:
        break;
    }
}

void PaintManager::DrawControl(HDC dc, CRect rect) {
    {
        ScopedLock lock(m_areaLock);
        for (auto& control : m_areaControls)
            if (control)
                control->Draw(dc, rect);
    }
    ScopedLock lock(m_controlLock);
    for (auto& control : m_controls)
        if (control)
            control->Draw(dc, rect);
}

void PaintManager::Present(const PaintBuffer& frame, HDC paintDC, const CRect& update) {
    if (!m_layered) {
        ::BitBlt(paintDC, update.left, update.top, update.Width(), update.Height(), frame.Dc(), update.left,
                 update.top, SRCCOPY);
        return;
    }
    // The window need not have been created layered.
    const LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    WindowDC windowDC;
    windowDC.Acquire(m_hWnd);
    SIZE size = {frame.Width(), frame.Height()};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, windowDC.Get(), nullptr, &size, frame.Dc(), &origin, 0, &blend, ULW_ALPHA);
}

HBITMAP PaintManager::GetDropBitmap(MControl* control, CRect rect, COLORREF) {
    if (!control || rect.Width() <= 0 || rect.Height() <= 0)
        return nullptr;
    const CRect bounds = control->GetRect();
    if (bounds.right <= 0 || bounds.bottom <= 0)
        return nullptr;
    WindowDC screen;
    HDC reference = m_paintDC.Get();
    if (!reference && screen.Acquire(nullptr))
        reference = screen.Get();
    GdiObject<HBITMAP> drawing(::CreateCompatibleBitmap(reference, bounds.right, bounds.bottom));
    MemoryDC drawingDC;
    if (!drawing || !drawingDC.Create(reference))
        return nullptr;
    drawingDC.Select(drawing.Get());
    HDC dc = drawingDC.Get();
    control->Draw(dc, bounds);

    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> copy(MRender::CreateARGB32Bitmap(reference, rect.Width(), rect.Height(), &bits));
    MemoryDC copyDC;
    if (!copy || !copyDC.Create(reference))
        return nullptr;
    copyDC.Select(copy.Get());
    ::BitBlt(copyDC.Get(), 0, 0, rect.Width(), rect.Height(), dc, bounds.left + rect.left,
             bounds.top + rect.top, SRCCOPY);
    ::GdiFlush();
    copyDC.Reset();
    return copy.Detach();
}

int PaintManager::OnNcPaint() {
    return 1;
}

int PaintManager::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    return 1;
}

} // namespace Vantix
