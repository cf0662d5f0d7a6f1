// The host's paint pass read back from its composed frame: the default look, the two back modes,
// per-pixel alpha of layered windows (transparent background, GDI drawing made opaque only inside
// the update rectangle), the WM_PAINT path (minimised, nothing to paint, the forced layered repaint)
// and the drag image of a control.
#include <gtest/gtest.h>

#include <windows.h>
#include <cstdint>
#include <cstdlib>

#include "PaintTestControls.h"
#include "core/GdiObject.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"

using Vantix::CRect;
using Vantix::PaintBuffer;

namespace {

// Premultiplied pixel close to the given alpha and straight colour.
testing::AssertionResult PixelNear(uint32_t pixel, int alpha, int red, int green, int blue,
                                   int tolerance = 1) {
    auto within = [tolerance](int actual, int expected) { return std::abs(actual - expected) <= tolerance; };
    const int r = red * alpha / 255, g = green * alpha / 255, b = blue * alpha / 255;
    if (within(AlphaOf(pixel), alpha) && within(RedOf(pixel), r) && within(GreenOf(pixel), g) &&
        within(BlueOf(pixel), b))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << std::hex << "pixel 0x" << pixel << ", expected about alpha " << std::dec << alpha << " rgb("
           << r << ", " << g << ", " << b << ") premultiplied";
}

CRect ClientOf(HostWindow& window) {
    CRect client;
    ::GetClientRect(window.Handle(), &client);
    return client;
}

PaintBuffer RenderAll(HostWindow& window) {
    return window.Host().RenderFrame(ClientOf(window));
}

GdiBoxControl* AddBox(HostWindow& window, CRect rect, COLORREF color) {
    auto* box = new GdiBoxControl(&window.Parent(), 50, rect, color);
    window.Host().AttachControl(1, box);
    return box;
}

// 40 x 30: left half opaque red, right half transparent but for a half-transparent green band.
const wchar_t* const kHalfImage = ProcessSkinName(L"test_paint_half.png");
// 12 x 12: a 4-pixel blue frame around a yellow centre.
const wchar_t* const kFrameImage = ProcessSkinName(L"test_paint_frame.png");

class PaintManagerPaint : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(WriteSkinImage(kHalfImage, 40, 30, [](Gdiplus::Graphics& g) {
            Gdiplus::SolidBrush red(Gdiplus::Color(255, 200, 0, 0));
            Gdiplus::SolidBrush green(Gdiplus::Color(128, 0, 255, 0));
            g.FillRectangle(&red, 0, 0, 20, 30);
            g.FillRectangle(&green, 30, 0, 5, 30);
        }));
        ASSERT_TRUE(WriteSkinImage(kFrameImage, 12, 12, [](Gdiplus::Graphics& g) {
            Gdiplus::SolidBrush blue(Gdiplus::Color(255, 0, 0, 255));
            Gdiplus::SolidBrush yellow(Gdiplus::Color(255, 255, 255, 0));
            g.FillRectangle(&blue, 0, 0, 12, 12);
            g.FillRectangle(&yellow, 4, 4, 4, 4);
        }));
    }
    static void TearDownTestSuite() {
        DeleteSkinImage(kHalfImage);
        DeleteSkinImage(kFrameImage);
    }
};

} // namespace

TEST_F(PaintManagerPaint, WithoutImageAWindowIsNearBlackWithAOnePixelVioletBorder) {
    HostWindow window(CRect(100, 100, 300, 200));
    PaintBuffer frame = RenderAll(window);
    ASSERT_TRUE(frame);
    ASSERT_EQ(200, frame.Width());
    ASSERT_EQ(100, frame.Height());
    EXPECT_TRUE(PixelNear(frame.Pixel(0, 0), 254, 189, 48, 255));
    EXPECT_TRUE(PixelNear(frame.Pixel(199, 99), 254, 189, 48, 255));
    EXPECT_TRUE(PixelNear(frame.Pixel(1, 1), 254, 5, 5, 5));
    EXPECT_TRUE(PixelNear(frame.Pixel(198, 98), 254, 5, 5, 5));
}

TEST_F(PaintManagerPaint, BackColorsReplaceTheDefaultLook) {
    HostWindow window(CRect(100, 100, 300, 200));
    window.Host().SetBackColor(RGB(0, 128, 0), RGB(255, 255, 255));
    PaintBuffer frame = RenderAll(window);
    EXPECT_TRUE(PixelNear(frame.Pixel(0, 50), 254, 255, 255, 255));
    EXPECT_TRUE(PixelNear(frame.Pixel(100, 50), 254, 0, 128, 0));
}

TEST_F(PaintManagerPaint, BackModesStretchFrameOrSkipTheImage) {
    struct Case {
        Vantix::enumBackMode mode;
        POINT where;
        int alpha, red, green, blue;
    };
    static const Case cases[] = {
        // Stretched to 200 x 100: the red half covers x < 100, the transparent half x >= 100.
        {Vantix::BACK_STRETCH, {50, 50}, 255, 200, 0, 0},
        {Vantix::BACK_STRETCH, {120, 50}, 0, 0, 0, 0},
        // The nine-grid keeps the 4-pixel corners and stretches the yellow centre.
        {Vantix::BACK_FRAME, {3, 3}, 255, 0, 0, 255},
        {Vantix::BACK_FRAME, {196, 96}, 255, 0, 0, 255},
        {Vantix::BACK_FRAME, {100, 50}, 255, 255, 255, 0},
        {static_cast<Vantix::enumBackMode>(2), {100, 50}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " at " << c.where.x << ", " << c.where.y);
        HostWindow window(CRect(100, 100, 300, 200));
        window.Host().SetLayeredWindow(TRUE);
        window.Host().SetBackMode(c.mode, 4);
        ASSERT_TRUE(window.Host().LoadBKImage(c.mode == Vantix::BACK_FRAME ? kFrameImage : kHalfImage));
        PaintBuffer frame = RenderAll(window);
        EXPECT_TRUE(PixelNear(frame.Pixel(c.where.x, c.where.y), c.alpha, c.red, c.green, c.blue, 3));
    }
}

TEST_F(PaintManagerPaint, AMissingBackgroundImageLeavesTheSolidLook) {
    HostWindow window(CRect(100, 100, 300, 200));
    ASSERT_TRUE(window.Host().LoadBKImage(kHalfImage));
    EXPECT_FALSE(window.Host().LoadBKImage(L"no_such_image.png"));
    PaintBuffer frame = RenderAll(window);
    EXPECT_TRUE(PixelNear(frame.Pixel(50, 50), 254, 5, 5, 5));
}

TEST_F(PaintManagerPaint, LayeredImageKeepsPerPixelAlphaAndGdiDrawingBecomesOpaque) {
    HostWindow window(CRect(100, 100, 300, 200));
    Vantix::PaintManager& host = window.Host();
    host.SetLayeredWindow(TRUE);
    ASSERT_TRUE(host.LoadBKImage(kHalfImage));
    AddBox(window, CRect(10, 10, 40, 40), RGB(255, 255, 255));
    AddBox(window, CRect(110, 10, 140, 40), RGB(0, 0, 0)); // alpha 0 and no colour: stays transparent
    PaintBuffer frame = RenderAll(window);
    EXPECT_TRUE(PixelNear(frame.Pixel(60, 70), 255, 200, 0, 0, 2)) << "opaque background";
    EXPECT_EQ(0u, frame.Pixel(120, 70)) << "transparent background";
    EXPECT_TRUE(PixelNear(frame.Pixel(160, 70), 128, 0, 255, 0, 3)) << "half-transparent background";
    EXPECT_EQ(0xFFFFFFFFu, frame.Pixel(20, 20)) << "GDI drawing over the background";
    EXPECT_EQ(0u, frame.Pixel(120, 20)) << "GDI black over the transparent part";
}

TEST_F(PaintManagerPaint, PlainWindowLeavesGdiAlphaAlone) {
    HostWindow window(CRect(100, 100, 300, 200));
    AddBox(window, CRect(10, 10, 40, 40), RGB(255, 255, 255));
    PaintBuffer frame = RenderAll(window);
    EXPECT_EQ(0x00FFFFFFu, frame.Pixel(20, 20));
}

TEST_F(PaintManagerPaint, LayeredPartialUpdateClearsAndRepairsOnlyInsideIt) {
    HostWindow window(CRect(100, 100, 300, 200));
    Vantix::PaintManager& host = window.Host();
    host.SetLayeredWindow(TRUE);
    GdiBoxControl* inside = AddBox(window, CRect(10, 10, 40, 40), RGB(0, 0, 255));
    GdiBoxControl* outside = AddBox(window, CRect(150, 50, 190, 90), RGB(0, 0, 255));
    PaintBuffer frame = host.RenderFrame(CRect(0, 0, 100, 100));
    EXPECT_EQ(1, inside->draws.load());
    EXPECT_EQ(1, outside->draws.load()) << "a layered window redraws every control";
    EXPECT_EQ(0xFF0000FFu, frame.Pixel(20, 20));
    EXPECT_EQ(0x000000FFu, frame.Pixel(160, 60)) << "outside the update rectangle alpha stays 0";
}

TEST_F(PaintManagerPaint, PlainWindowDrawsControlsForTheUpdateRectangleOnly) {
    HostWindow window(CRect(100, 100, 300, 200));
    GdiBoxControl* inside = AddBox(window, CRect(10, 10, 40, 40), RGB(0, 0, 255));
    GdiBoxControl* outside = AddBox(window, CRect(150, 50, 190, 90), RGB(0, 0, 255));
    window.Host().RenderFrame(CRect(0, 0, 100, 100));
    EXPECT_EQ(1, inside->draws.load());
    EXPECT_EQ(0, outside->draws.load());
}

TEST_F(PaintManagerPaint, PaintMessageDrawsTheControlsAndValidates) {
    HostWindow window(CRect(100, 100, 300, 200));
    GdiBoxControl* box = AddBox(window, CRect(10, 10, 40, 40), RGB(0, 0, 255));
    ::UpdateWindow(window.Handle());
    box->draws = 0;
    ::InvalidateRect(window.Handle(), nullptr, FALSE);
    ::UpdateWindow(window.Handle());
    EXPECT_EQ(1, box->draws.load());
    RECT left;
    EXPECT_FALSE(::GetUpdateRect(window.Handle(), &left, FALSE));
    EXPECT_EQ(0, window.Host().OnPaint()) << "nothing left to paint";
}

TEST_F(PaintManagerPaint, MinimisedWindowPaintsNothingUntilRestored) {
    HostWindow window(CRect(100, 100, 300, 200));
    GdiBoxControl* box = AddBox(window, CRect(10, 10, 40, 40), RGB(0, 0, 255));
    ::ShowWindow(window.Handle(), SW_MINIMIZE);
    PumpMessages(50);
    box->draws = 0;
    ::InvalidateRect(window.Handle(), nullptr, FALSE);
    EXPECT_EQ(1, window.Host().OnPaint());
    EXPECT_EQ(0, box->draws.load());
    ::ShowWindow(window.Handle(), SW_RESTORE);
    ::InvalidateRect(window.Handle(), nullptr, FALSE);
    ::UpdateWindow(window.Handle());
    EXPECT_GT(box->draws.load(), 0);
}

TEST_F(PaintManagerPaint, LayeredRepaintIsForcedWithoutAnUpdateRegion) {
    HostWindow window(CRect(100, 100, 300, 200));
    Vantix::PaintManager& host = window.Host();
    host.SetLayeredWindow(TRUE);
    GdiBoxControl* box = AddBox(window, CRect(10, 10, 40, 40), RGB(0, 0, 255));
    PumpMessages(30);
    box->draws = 0;
    host.InvalidateRect(CRect(0, 0, 5, 5), FALSE);
    // As a system that drops the invalidation of a layered window would.
    ::ValidateRect(window.Handle(), nullptr);
    PumpMessages(50);
    EXPECT_EQ(1, box->draws.load());
    EXPECT_TRUE(::GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) << "presented as layered";
    box->draws = 0;
    ::InvalidateRect(window.Handle(), nullptr, FALSE);
    ::ValidateRect(window.Handle(), nullptr);
    PumpMessages(50);
    EXPECT_EQ(0, box->draws.load()) << "no repaint that nobody asked for";
}

TEST_F(PaintManagerPaint, DropBitmapCopiesPartOfTheControl) {
    HostWindow window(CRect(100, 100, 300, 200));
    GdiBoxControl* box = AddBox(window, CRect(50, 40, 90, 80), RGB(10, 200, 30));
    EXPECT_EQ(nullptr, window.Host().GetDropBitmap(nullptr, CRect(0, 0, 10, 10), 0));
    Vantix::GdiObject<HBITMAP> bitmap(window.Host().GetDropBitmap(box, CRect(5, 5, 25, 15), 0));
    ASSERT_TRUE(bitmap);
    DIBSECTION section = {};
    ASSERT_EQ(static_cast<int>(sizeof(section)), ::GetObjectW(bitmap.Get(), sizeof(section), &section));
    EXPECT_EQ(20, section.dsBm.bmWidth);
    EXPECT_EQ(10, section.dsBm.bmHeight);
    EXPECT_EQ(32, section.dsBm.bmBitsPixel);
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    EXPECT_EQ(0x000AC81Eu, bits[0] & 0xFFFFFF);
    EXPECT_EQ(0x000AC81Eu, bits[20 * 10 - 1] & 0xFFFFFF);
}
