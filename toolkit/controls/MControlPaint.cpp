// MControl's painting: the draw walk, the cached memory surfaces and the repaint requests.
#include "controls/MControl.h"

#include "core/PaintManager.h"
#include "core/ScopedLock.h"

namespace Vantix {

namespace {

bool Overlaps(const CRect& first, const CRect& second) {
    CRect common;
    return common.IntersectRect(&first, &second) != FALSE;
}

// Replaces a surface by a new cx by cy bitmap compatible with reference, selected into a new DC.
void CreateSurface(HDC reference, int cx, int cy, GdiObject<HBITMAP>& bitmap, MemoryDC& dc) {
    dc.Reset();
    bitmap.Reset(::CreateCompatibleBitmap(reference, cx, cy));
    if (dc.Create(reference) && bitmap)
        dc.Select(bitmap.Get());
}

} // namespace

void MControl::Draw(HDC& dc, CRect clip) {
    if (!m_visible || !Overlaps(m_rect, clip))
        return;
    {
        ScopedLock lock(m_areaLock);
        for (auto& child : m_areaControls)
            if (child && Overlaps(child->GetRect(), m_rect))
                child->Draw(dc, clip);
    }
    DrawControl(dc, clip);
    DrawSubControls(dc, clip);
}

int MControl::DrawSubControls(HDC& dc, CRect clip) {
    ScopedLock lock(m_controlLock);
    for (auto& child : m_controls)
        if (child && child->IsVisible())
            child->Draw(dc, clip);
    return 1;
}

void MControl::UpdateMemDC(HDC& reference, int cx, int cy) {
    m_updated = 1;
    if (m_memDC && cx == m_memWidth && cy == m_memHeight)
        return;
    CreateSurface(reference, cx, cy, m_memBitmap, m_memDC);
    m_memWidth = cx;
    m_memHeight = cy;
}

void MControl::UpdateAnimateDC(HDC& reference, int cx, int cy) {
    CreateSurface(reference, cx, cy, m_animateBitmap, m_animateDC);
    m_animateWidth = cx;
    m_animateHeight = cy;
}

void MControl::SetUpdate(int valid, DWORD backColor) {
    m_updated = valid;
    for (auto& child : m_controls)
        if (child && Overlaps(child->GetRect(), m_rect))
            child->SetUpdate(valid, backColor);
}

void MControl::UpdateControl(int redraw, int force) {
    if ((m_visible || force) && m_parent)
        m_parent->OnControlUpdate(m_rect, redraw, this);
}

void MControl::UpdateControl(CRect rect, int force, int redraw) {
    if ((m_visible || force) && m_parent)
        m_parent->OnControlUpdate(rect, redraw, this);
}

void MControl::UpdateAControl(int, int force) {
    if ((m_visible || force) && m_parent)
        m_parent->OnControlUpdate(m_rect, 0, this);
}

void MControl::InvalidateRect(const RECT*, int erase) {
    // The host's rule: the whole client area with erase for a layered window, else the rectangle.
    if (m_manager)
        m_manager->InvalidateRect(m_rect, erase);
}

} // namespace Vantix
