// Dropped DIBs, metafiles and bitmap files turned into the bitmap the host hands to its window.
#include <gtest/gtest.h>

#include <windows.h>
#include <cstring>
#include <functional>
#include <vector>

#include "DragDropData.h"
#include "core/PaintManager.h"

using dragdrop::Picture;
using dragdrop::Pixels;
using dragdrop::ReadPixels;
using Vantix::GdiObject;
using Vantix::PaintManager;

namespace {

// A packed DIB of the given header, colour table (or masks) and pixel bytes.
HGLOBAL PackDib(const BITMAPINFOHEADER& header, const std::vector<DWORD>& table,
                const std::vector<BYTE>& bits) {
    size_t tableBytes = table.size() * sizeof(DWORD);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + tableBytes + bits.size());
    BYTE* bytes = static_cast<BYTE*>(::GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof(header));
    std::memcpy(bytes + sizeof(header), table.data(), tableBytes);
    std::memcpy(bytes + sizeof(header) + tableBytes, bits.data(), bits.size());
    ::GlobalUnlock(memory);
    return memory;
}

BITMAPINFOHEADER Header(int width, int height, WORD bitCount, DWORD compression) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = compression;
    return header;
}

// A metafile recorded the way a drag records its picture: the bitmap copied in at (0, 0).
HENHMETAFILE RecordMetaFile(const Picture& picture) {
    HBITMAP bitmap = dragdrop::MakeBitmap(picture);
    HDC screen = ::GetDC(nullptr);
    HDC recorder = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(source, bitmap);
    ::BitBlt(recorder, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(bitmap);
    return ::CloseEnhMetaFile(recorder);
}

} // namespace

TEST(DragDropConversionTest, PackedDibBecomesABitmapWithItsPixels) {
    HGLOBAL dib = dragdrop::MakePackedDib(dragdrop::FourColours());
    GdiObject<HBITMAP> bitmap = PaintManager::CreateBitmapFromDIB(dib);
    ::GlobalFree(dib);
    ASSERT_TRUE(bitmap);
    Pixels pixels = ReadPixels(bitmap.Get());
    EXPECT_EQ(2, pixels.width);
    EXPECT_EQ(2, pixels.height);
    EXPECT_EQ(dragdrop::FourColours().pixels, pixels.values);
}

TEST(DragDropConversionTest, PixelsFollowTheColourTableOrTheMasks) {
    // Two 8-bit pixels naming entries 1 and 0 of a two-colour palette.
    BITMAPINFOHEADER twoColours = Header(2, 1, 8, BI_RGB);
    twoColours.biClrUsed = 2;
    HGLOBAL paletted = PackDib(twoColours, {0x0000FF00, 0x000000FF}, {1, 0, 0, 0});
    // Two 16-bit 5-6-5 pixels (pure red, pure blue) behind their three masks.
    HGLOBAL masked =
        PackDib(Header(2, 1, 16, BI_BITFIELDS), {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0x1F, 0x00});
    GdiObject<HBITMAP> fromPalette = PaintManager::CreateBitmapFromDIB(paletted);
    GdiObject<HBITMAP> fromMasks = PaintManager::CreateBitmapFromDIB(masked);
    ::GlobalFree(paletted);
    ::GlobalFree(masked);

    EXPECT_EQ((std::vector<DWORD>{0x0000FF, 0x00FF00}), ReadPixels(fromPalette.Get()).values);
    EXPECT_EQ((std::vector<DWORD>{0xFF0000, 0x0000FF}), ReadPixels(fromMasks.Get()).values);
}

TEST(DragDropConversionTest, DibThatDoesNotHoldItsPixelsGivesNoBitmap) {
    struct Case {
        const char* what;
        std::function<void(BITMAPINFOHEADER&)> spoil;
        size_t bitsBytes;
    };
    const Case cases[] = {
        {"rows cut short", [](BITMAPINFOHEADER&) {}, 8},
        {"height beyond the data", [](BITMAPINFOHEADER& h) { h.biHeight = 100000; }, 16},
        {"negative height beyond the data", [](BITMAPINFOHEADER& h) { h.biHeight = -3; }, 16},
        {"width beyond the data", [](BITMAPINFOHEADER& h) { h.biWidth = 0x40000000; }, 16},
        {"header size zero", [](BITMAPINFOHEADER& h) { h.biSize = 0; }, 16},
        {"header size past the end", [](BITMAPINFOHEADER& h) { h.biSize = 0x10000; }, 16},
        {"colour table past the end", [](BITMAPINFOHEADER& h) { h.biClrUsed = 0x01000000; }, 16},
        {"no width", [](BITMAPINFOHEADER& h) { h.biWidth = 0; }, 16},
    };
    for (const Case& c : cases) {
        BITMAPINFOHEADER header = Header(2, 2, 32, BI_RGB);
        c.spoil(header);
        HGLOBAL dib = PackDib(header, {}, std::vector<BYTE>(c.bitsBytes, 0x7F));
        GdiObject<HBITMAP> bitmap = PaintManager::CreateBitmapFromDIB(dib);
        ::GlobalFree(dib);
        EXPECT_FALSE(bitmap) << c.what;
    }
    EXPECT_FALSE(PaintManager::CreateBitmapFromDIB(nullptr));
}

TEST(DragDropConversionTest, MetafileIsPlayedIntoABitmapOfItsSize) {
    Picture picture{20, 10, std::vector<DWORD>(200, 0x0000FF)};
    for (int x = 10; x < 20; ++x)
        for (int y = 0; y < 10; ++y)
            picture.pixels[y * 20 + x] = 0x00FF00;
    HENHMETAFILE metafile = RecordMetaFile(picture);
    ASSERT_NE(nullptr, metafile);
    GdiObject<HBITMAP> bitmap = PaintManager::CreateBitmapFromMetaFile(metafile, nullptr);
    ::DeleteEnhMetaFile(metafile);
    ASSERT_TRUE(bitmap);

    Pixels pixels = ReadPixels(bitmap.Get());
    EXPECT_EQ(20, pixels.width);
    EXPECT_EQ(10, pixels.height);
    // Every column and row comes back, the last ones included.
    EXPECT_EQ(0x0000FFu, pixels.At(0, 0));
    EXPECT_EQ(0x0000FFu, pixels.At(9, 9));
    EXPECT_EQ(0x00FF00u, pixels.At(10, 0));
    EXPECT_EQ(0x00FF00u, pixels.At(19, 9));
    EXPECT_FALSE(PaintManager::CreateBitmapFromMetaFile(nullptr, nullptr));
}

TEST(DragDropConversionTest, FirstDroppedBitmapFileIsLoaded) {
    std::wstring picturePath = dragdrop::TempPath(L"vantix-drop-picture.bmp");
    std::wstring textPath = dragdrop::TempPath(L"vantix-drop-text.txt");
    ASSERT_TRUE(dragdrop::WriteBitmapFile(picturePath, dragdrop::FourColours()));
    HANDLE text = ::CreateFileW(textPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(text);

    HGLOBAL pictureFirst = dragdrop::MakeFileDrop({picturePath, textPath});
    HGLOBAL textFirst = dragdrop::MakeFileDrop({textPath, picturePath});
    HGLOBAL none = dragdrop::MakeFileDrop({});
    GdiObject<HBITMAP> loaded = PaintManager::LoadBitmapFromDrop(static_cast<HDROP>(pictureFirst));
    EXPECT_FALSE(PaintManager::LoadBitmapFromDrop(static_cast<HDROP>(textFirst)));
    EXPECT_FALSE(PaintManager::LoadBitmapFromDrop(static_cast<HDROP>(none)));
    ::GlobalFree(pictureFirst);
    ::GlobalFree(textFirst);
    ::GlobalFree(none);
    ::DeleteFileW(picturePath.c_str());
    ::DeleteFileW(textPath.c_str());

    ASSERT_TRUE(loaded);
    EXPECT_EQ(dragdrop::FourColours().pixels, ReadPixels(loaded.Get()).values);
}

TEST(DragDropConversionTest, FileDropWhoseNamesRunPastItsEndIsIgnored) {
    std::wstring picturePath = dragdrop::TempPath(L"vantix-drop-cut.bmp");
    ASSERT_TRUE(dragdrop::WriteBitmapFile(picturePath, dragdrop::FourColours()));
    HGLOBAL drop = dragdrop::MakeFileDrop({picturePath});
    // Overwrite everything from the name's terminator on: the list no longer ends inside the block.
    SIZE_T size = ::GlobalSize(drop);
    SIZE_T nameEnd = sizeof(DROPFILES) + picturePath.size() * sizeof(wchar_t);
    BYTE* bytes = static_cast<BYTE*>(::GlobalLock(drop));
    std::memset(bytes + nameEnd, 'A', size - nameEnd);
    ::GlobalUnlock(drop);
    HGLOBAL misplaced = dragdrop::MakeFileDrop({picturePath});
    static_cast<DROPFILES*>(::GlobalLock(misplaced))->pFiles = 0x7FFFFFF0;
    ::GlobalUnlock(misplaced);

    EXPECT_FALSE(PaintManager::LoadBitmapFromDrop(static_cast<HDROP>(drop)));
    EXPECT_FALSE(PaintManager::LoadBitmapFromDrop(static_cast<HDROP>(misplaced)));
    ::GlobalFree(drop);
    ::GlobalFree(misplaced);
    ::DeleteFileW(picturePath.c_str());
}
