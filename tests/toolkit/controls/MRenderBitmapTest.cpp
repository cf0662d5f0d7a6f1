#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/MRender.h"
#include "core/GdiObject.h"
#include "core/MemoryDC.h"
#include "support/DibCanvas.h"

using Vantix::GdiObject;
using Vantix::MemoryDC;
using Vantix::MRender;

namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::vector<unsigned char> ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<unsigned char> data(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    data.resize(read);
    return data;
}

uint32_t Read32(const std::vector<unsigned char>& data, size_t offset) {
    return data[offset] | data[offset + 1] << 8 | data[offset + 2] << 16 |
           static_cast<uint32_t>(data[offset + 3]) << 24;
}

} // namespace

TEST(MRenderBitmap, ARGB32BitmapIsABottomUpDibSection) {
    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> bitmap(MRender::CreateARGB32Bitmap(nullptr, 7, 5, &bits));
    ASSERT_TRUE(bitmap);
    ASSERT_NE(nullptr, bits);
    DIBSECTION section = {};
    ASSERT_EQ(static_cast<int>(sizeof(section)), GetObjectW(bitmap.Get(), sizeof(section), &section));
    EXPECT_EQ(32, section.dsBm.bmBitsPixel);
    EXPECT_EQ(7, section.dsBmih.biWidth);
    EXPECT_EQ(5, section.dsBmih.biHeight);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), section.dsBmih.biCompression);

    // The first row in memory is the bottom row of the picture.
    reinterpret_cast<uint32_t*>(bits)[0] = 0x00123456;
    MemoryDC dc;
    ASSERT_TRUE(dc.Create(nullptr));
    dc.Select(bitmap.Get());
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), GetPixel(dc.Get(), 0, 4));
}

TEST(MRenderBitmap, BitBltCopiesWithOrWithoutARasterOperation) {
    DibCanvas source(4, 4, 0xFF102030);
    DibCanvas dest(4, 4, 0xFF000000);
    EXPECT_TRUE(MRender::BitBlt(dest.Dc(), 1, 1, 2, 2, source.Dc(), 0, 0));
    EXPECT_EQ(0xFF102030u, dest.Pixel(1, 1));
    EXPECT_EQ(0xFF000000u, dest.Pixel(0, 0));
    EXPECT_TRUE(MRender::BitBlt(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, BLACKNESS));
    EXPECT_EQ(0u, dest.Pixel(1, 1) & 0xFFFFFF);
}

TEST(MRenderBitmap, SavedFileHasHeadersAndPixels) {
    // GetDIBits wants a bitmap that no DC holds.
    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> bitmap(MRender::CreateARGB32Bitmap(nullptr, 5, 3, &bits));
    ASSERT_TRUE(bitmap);
    uint32_t* pixels = reinterpret_cast<uint32_t*>(bits);
    for (int i = 0; i < 15; ++i)
        pixels[i] = 0xFF000000;
    pixels[0] = 0xFF0000FF;         // bottom-left: blue
    pixels[2 * 5 + 4] = 0xFFFF0000; // top-right: red
    std::wstring path = TempPath(L"mrender_save.bmp");
    ASSERT_TRUE(MRender::SaveBitmapToFile(bitmap.Get(), path.c_str()));

    std::vector<unsigned char> file = ReadWholeFile(path);
    DeleteFileW(path.c_str());
    const uint32_t rowSize = ((24 * 5 + 31) / 32) * 4; // the test screen has more than 8 bits per pixel
    const uint32_t imageSize = rowSize * 3;
    ASSERT_EQ(54 + imageSize, file.size());
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(54 + imageSize, Read32(file, 2));
    EXPECT_EQ(54u, Read32(file, 10));
    EXPECT_EQ(40u, Read32(file, 14));
    EXPECT_EQ(5u, Read32(file, 18));
    EXPECT_EQ(3u, Read32(file, 22));
    EXPECT_EQ(24, file[28]);
    // Rows bottom-up, pixels as blue, green, red.
    EXPECT_EQ(0xFF, file[54 + 0]);
    EXPECT_EQ(0x00, file[54 + 2]);
    EXPECT_EQ(0xFF, file[54 + 2 * rowSize + 4 * 3 + 2]);
    EXPECT_EQ(0x00, file[54 + 2 * rowSize + 4 * 3 + 0]);
}

TEST(MRenderBitmap, SaveFailsForAnUnwritablePathOrAMissingBitmap) {
    DibCanvas canvas(2, 2);
    EXPECT_FALSE(MRender::SaveBitmapToFile(canvas.Bitmap(), L"Z:\\no\\such\\folder\\x.bmp"));
    EXPECT_FALSE(MRender::SaveBitmapToFile(nullptr, TempPath(L"mrender_none.bmp").c_str()));
}
