// Images for the rendering tests: in-memory bitmaps with a known colour at every pixel, and PNG
// files written to the temporary folder.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <cstdint>
#include <memory>
#include <string>

// Opaque, and different at every pixel of an image up to 64 x 64: red from x, green from y.
inline uint32_t PatternColor(int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>(x * 4) << 16 | static_cast<uint32_t>(y * 4) << 8 | 0x40;
}

std::unique_ptr<Gdiplus::Bitmap> MakePatternImage(int width, int height);
std::unique_ptr<Gdiplus::Bitmap> MakeSolidImage(int width, int height, uint32_t argb);
// A 16 x 16 icon file of one opaque colour, in the temporary folder.
std::wstring WriteTestIcon(const std::wstring& name, uint32_t argb);

// A PNG in the temporary folder, deleted by the destructor.
class TempPng {
public:
    TempPng(const std::wstring& name, Gdiplus::Image& image);
    ~TempPng();
    TempPng(const TempPng&) = delete;
    TempPng& operator=(const TempPng&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};
