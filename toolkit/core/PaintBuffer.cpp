// PaintBuffer: the 32-bit client image of one paint pass.
#include "core/PaintBuffer.h"

#include <algorithm>
#include <utility>

#include "controls/MRender.h"

namespace Vantix {

PaintBuffer::PaintBuffer(PaintBuffer&& other) noexcept
    : m_bitmap(std::move(other.m_bitmap)), m_dc(std::move(other.m_dc)), m_bits(other.m_bits),
      m_width(other.m_width), m_height(other.m_height) {
    other.m_bits = nullptr;
    other.m_width = other.m_height = 0;
}

PaintBuffer& PaintBuffer::operator=(PaintBuffer&& other) noexcept {
    if (this != &other) {
        Reset();
        m_bitmap = std::move(other.m_bitmap);
        m_dc = std::move(other.m_dc);
        m_bits = other.m_bits;
        m_width = other.m_width;
        m_height = other.m_height;
        other.m_bits = nullptr;
        other.m_width = other.m_height = 0;
    }
    return *this;
}

bool PaintBuffer::Create(HDC reference, int width, int height) {
    Reset();
    if (width <= 0 || height <= 0)
        return false;
    unsigned char* bits = nullptr;
    m_bitmap.Reset(MRender::CreateARGB32Bitmap(reference, width, height, &bits));
    if (!m_bitmap || !bits || !m_dc.Create(reference)) {
        Reset();
        return false;
    }
    m_dc.Select(m_bitmap.Get());
    m_bits = reinterpret_cast<uint32_t*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

void PaintBuffer::Reset() {
    m_dc.Reset();
    m_bitmap.Reset();
    m_bits = nullptr;
    m_width = m_height = 0;
}

uint32_t* PaintBuffer::Row(int y) const {
    return m_bits + static_cast<size_t>(m_height - 1 - y) * m_width;
}

CRect PaintBuffer::Clipped(const CRect& rect) const {
    return CRect(std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
                 std::min<LONG>(rect.right, m_width), std::min<LONG>(rect.bottom, m_height));
}

uint32_t PaintBuffer::Pixel(int x, int y) const {
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return Row(y)[x];
}

void PaintBuffer::Clear(const CRect& rect) {
    if (!m_bits)
        return;
    CRect area = Clipped(rect);
    for (LONG y = area.top; y < area.bottom; ++y)
        std::fill(Row(y) + area.left, Row(y) + std::max(area.left, area.right), 0u);
}

void PaintBuffer::RepairAlpha(const CRect& rect) {
    if (!m_bits)
        return;
    CRect area = Clipped(rect);
    for (LONG y = area.top; y < area.bottom; ++y) {
        uint32_t* row = Row(y);
        for (LONG x = area.left; x < area.right; ++x)
            if ((row[x] >> 24) == 0 && (row[x] & 0xFFFFFF) != 0)
                row[x] |= 0xFF000000u;
    }
}

GdiplusObject<Gdiplus::Bitmap> PaintBuffer::CreateView() const {
    GdiplusObject<Gdiplus::Bitmap> view;
    if (!m_bits)
        return view;
    // The rows lie bottom-up in memory: start at the top row and step backwards.
    const INT stride = -static_cast<INT>(m_width * sizeof(uint32_t));
    view.Reset(new Gdiplus::Bitmap(m_width, m_height, stride, PixelFormat32bppPARGB,
                                   reinterpret_cast<BYTE*>(Row(0))));
    if (view && view->GetLastStatus() != Gdiplus::Ok)
        view.Reset();
    return view;
}

} // namespace Vantix
