#include <gtest/gtest.h>

#include "support/TestImages.h"
#include "controls/MRender.h"
#include "core/GdiplusObject.h"
#include "core/LibraryModule.h"
#include "support/DibCanvas.h"

using Vantix::GdiplusObject;
using Vantix::MRender;

TEST(MRenderImage, LoadsAFileAtItsOwnSize) {
    TempPng file(L"mrender_load.png", *MakePatternImage(30, 20));
    GdiplusObject<Gdiplus::Image> image(MRender::LoadImageFromFile(file.Path().c_str()));
    ASSERT_TRUE(image);
    EXPECT_EQ(30u, image->GetWidth());
    EXPECT_EQ(20u, image->GetHeight());
}

TEST(MRenderImage, MissingOrBrokenFileGivesNull) {
    EXPECT_EQ(nullptr, MRender::LoadImageFromFile(L"Z:\\no\\such\\folder\\missing.png"));
    EXPECT_EQ(nullptr, MRender::LoadImageFromFileEx(L"Z:\\no\\such\\folder\\missing.png", 10, 10));

    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"mrender_broken.png";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "not an image", 12, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(nullptr, MRender::LoadImageFromFile(path.c_str()));
    DeleteFileW(path.c_str());
}

TEST(MRenderImage, ThumbnailTakesTheGivenSizeOrTheImageOwn) {
    TempPng file(L"mrender_thumb.png", *MakePatternImage(40, 24));
    GdiplusObject<Gdiplus::Image> small(MRender::LoadImageFromFileEx(file.Path().c_str(), 10, 6));
    ASSERT_TRUE(small);
    EXPECT_EQ(10u, small->GetWidth());
    EXPECT_EQ(6u, small->GetHeight());
    GdiplusObject<Gdiplus::Image> same(MRender::LoadImageFromFileEx(file.Path().c_str(), 0, 0));
    ASSERT_TRUE(same);
    EXPECT_EQ(40u, same->GetWidth());
    EXPECT_EQ(24u, same->GetHeight());
}

TEST(MRenderImage, ResourceImageStaysDrawableAfterTheLoaderReturns) {
    // The horizontal scroll-bar parts of the library: 22 x 20.
    GdiplusObject<Gdiplus::Image> image(
        MRender::LoadImageFromIDResource(101, L"PNG", Vantix::GetLibraryModule()));
    ASSERT_TRUE(image);
    ASSERT_EQ(Gdiplus::Ok, image->GetLastStatus());
    EXPECT_EQ(22u, image->GetWidth());
    EXPECT_EQ(20u, image->GetHeight());

    DibCanvas canvas(22, 20);
    auto target = canvas.WrapAsBitmap();
    Gdiplus::Graphics graphics(target.get());
    EXPECT_EQ(Gdiplus::Ok, graphics.DrawImage(image.Get(), 0, 0, 22, 20));
    graphics.Flush(Gdiplus::FlushIntentionSync);
    int painted = canvas.Count(RECT{0, 0, 22, 20}, [](uint32_t p) { return AlphaOf(p) != 0; });
    EXPECT_GT(painted, 0);
}

TEST(MRenderImage, MissingResourceGivesNull) {
    EXPECT_EQ(nullptr, MRender::LoadImageFromIDResource(9999, L"PNG", Vantix::GetLibraryModule()));
    EXPECT_EQ(nullptr, MRender::LoadImageFromIDResource(101, L"NOSUCHTYPE", Vantix::GetLibraryModule()));
}

TEST(MRenderImage, RepeatedResourceLoadsKeepWorking) {
    for (int i = 0; i < 200; ++i) {
        GdiplusObject<Gdiplus::Image> image(
            MRender::LoadImageFromIDResource(102, L"PNG", Vantix::GetLibraryModule()));
        ASSERT_TRUE(image);
        ASSERT_EQ(72u, image->GetHeight());
    }
}

TEST(MRenderImage, IconFileGivesItsOwnIcon) {
    std::wstring path = WriteTestIcon(L"mrender_icon.ico", 0xFF20C040);
    HICON icon = MRender::LoadIconFromFile(path.c_str());
    DeleteFileW(path.c_str());
    ASSERT_NE(nullptr, icon);
    DibCanvas canvas(16, 16, 0xFF000000);
    EXPECT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(0x20C040u, canvas.Pixel(8, 8) & 0xFFFFFF);
    DestroyIcon(icon);
}
