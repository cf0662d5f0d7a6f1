#include "DibCanvas.h"

#include <vector>

DibCanvas::DibCanvas(int width, int height, uint32_t fill) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_previous = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

DibCanvas::~DibCanvas() {
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

uint32_t DibCanvas::Pixel(int x, int y) const {
    GdiFlush();
    return m_bits[y * m_width + x];
}

void DibCanvas::SetPixel(int x, int y, uint32_t argb) {
    GdiFlush();
    m_bits[y * m_width + x] = argb;
}

void DibCanvas::Fill(uint32_t argb) {
    GdiFlush();
    for (int i = 0; i < m_width * m_height; ++i)
        m_bits[i] = argb;
}

std::unique_ptr<Gdiplus::Bitmap> DibCanvas::WrapAsBitmap() const {
    GdiFlush();
    return std::make_unique<Gdiplus::Bitmap>(m_width, m_height, m_width * 4, PixelFormat32bppPARGB,
                                             reinterpret_cast<BYTE*>(m_bits));
}

bool DibCanvas::SaveArtifact(const std::wstring& name, bool opaque) const {
    CreateDirectoryW(L"..\\artifacts", nullptr);
    GdiFlush();
    std::vector<uint32_t> pixels(m_bits, m_bits + m_width * m_height);
    if (opaque) {
        for (uint32_t& pixel : pixels)
            pixel |= 0xFF000000;
    }
    Gdiplus::Bitmap bitmap(m_width, m_height, m_width * 4, PixelFormat32bppPARGB,
                           reinterpret_cast<BYTE*>(pixels.data()));
    return SavePng(bitmap, L"..\\artifacts\\" + name);
}

bool SavePng(Gdiplus::Image& image, const std::wstring& path) {
    UINT count = 0;
    UINT size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, L"image/png") == 0)
            return image.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}
