// The off-screen image of a window's client area that one paint pass composes: a bottom-up 32-bit
// DIB section in a memory DC, with premultiplied per-pixel alpha as UpdateLayeredWindow takes it,
// and a GDI+ view over the same pixels so that GDI+ drawing (text too) keeps its alpha.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <cstdint>

#include "core/CRect.h"
#include "core/GdiObject.h"
#include "core/GdiplusObject.h"
#include "core/MemoryDC.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API PaintBuffer {
public:
    PaintBuffer() = default;
    PaintBuffer(PaintBuffer&& other) noexcept;
    PaintBuffer& operator=(PaintBuffer&& other) noexcept;
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // Replaces the image by a new, fully transparent one; false when GDI refuses (or the size is 0).
    bool Create(HDC reference, int width, int height);
    void Reset();
    explicit operator bool() const { return m_bits != nullptr; }

    HDC Dc() const { return m_dc.Get(); }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // 0xAARRGGBB as stored (premultiplied); 0 outside the image. Call GdiFlush after GDI drawing.
    uint32_t Pixel(int x, int y) const;

    // Transparent black over the part of rect inside the image.
    void Clear(const CRect& rect);
    // Plain GDI leaves alpha 0 behind: such pixels with any colour become opaque.
    void RepairAlpha(const CRect& rect);
    // A GDI+ bitmap over the pixels, top row first; drawing through it writes straight into them.
    // Empty when GDI+ refuses.
    GdiplusObject<Gdiplus::Bitmap> CreateView() const;

private:
    uint32_t* Row(int y) const;
    CRect Clipped(const CRect& rect) const;

    GdiObject<HBITMAP> m_bitmap;
    MemoryDC m_dc;              // declared after its bitmap, so it lets go of the bitmap first
    uint32_t* m_bits = nullptr; // borrowed: the DIB section's pixels, bottom row first
    int m_width = 0;
    int m_height = 0;
};

} // namespace Vantix
