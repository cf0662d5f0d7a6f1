// A 32-bit top-down DIB section selected into a memory DC, for tests that draw with GDI or GDI+
// and read back pixels as 0xAARRGGBB; it can also be saved as a PNG artefact.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <cstdint>
#include <memory>
#include <string>

class DibCanvas {
public:
    DibCanvas(int width, int height, uint32_t fill = 0);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t argb);
    void Fill(uint32_t argb);
    // A GDI+ bitmap over the same pixels (premultiplied ARGB), so that GDI+ drawing keeps alpha.
    std::unique_ptr<Gdiplus::Bitmap> WrapAsBitmap() const;
    // Number of pixels in the rectangle for which the test holds.
    template <class Test> int Count(const RECT& rect, Test test) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += test(Pixel(x, y)) ? 1 : 0;
        return count;
    }
    // Writes a PNG into <build>\artifacts (the test's working folder is <build>\bin); opaque for
    // pictures drawn with plain GDI, which leaves the alpha bytes at 0.
    bool SaveArtifact(const std::wstring& name, bool opaque = false) const;

private:
    int m_width;
    int m_height;
    uint32_t* m_bits = nullptr;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// Channel helpers for 0xAARRGGBB values.
inline int AlphaOf(uint32_t argb) {
    return static_cast<int>(argb >> 24);
}
inline int RedOf(uint32_t argb) {
    return static_cast<int>((argb >> 16) & 0xFF);
}
inline int GreenOf(uint32_t argb) {
    return static_cast<int>((argb >> 8) & 0xFF);
}
inline int BlueOf(uint32_t argb) {
    return static_cast<int>(argb & 0xFF);
}

// Saves a GDI+ image as PNG; the encoder is looked up by its MIME type.
bool SavePng(Gdiplus::Image& image, const std::wstring& path);
