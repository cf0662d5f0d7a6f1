#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/MRender.h"
#include "controls/MsImgFunctions.h"
#include "support/DibCanvas.h"

using Vantix::MRender;
using Vantix::MsImgFunctions;

TEST(MRenderFill, FillSolidRectPaintsTheRectangleAndLeavesTheBackColour) {
    DibCanvas canvas(20, 20, 0xFF000000);
    HDC dc = canvas.Dc();
    MRender::FillSolidRect(dc, 2, 3, 5, 4, RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), GetBkColor(dc));
    EXPECT_EQ(20, canvas.Count(RECT{0, 0, 20, 20}, [](uint32_t p) { return (p & 0xFFFFFF) == 0x0A141E; }));
    EXPECT_EQ(20, canvas.Count(RECT{2, 3, 7, 7}, [](uint32_t p) { return (p & 0xFFFFFF) == 0x0A141E; }));
}

TEST(MRenderFill, DrawColorSkipsTransparentAndBlendsHalfTransparent) {
    DibCanvas canvas(10, 10, 0xFF000000);
    MRender::DrawColor(canvas.Dc(), RECT{0, 0, 10, 10}, 0x00FFFFFF);
    EXPECT_EQ(0xFF000000u, canvas.Pixel(5, 5));

    MRender::DrawColor(canvas.Dc(), RECT{0, 0, 5, 10}, 0x80FFFFFF);
    EXPECT_NEAR(128, RedOf(canvas.Pixel(2, 5)), 2);
    EXPECT_NEAR(128, BlueOf(canvas.Pixel(2, 5)), 2);
    EXPECT_EQ(0, RedOf(canvas.Pixel(7, 5)));
}

TEST(MRenderFill, OpaqueGradientRunsAlongItsDirection) {
    DibCanvas canvas(64, 64, 0);
    MRender::DrawGradient(canvas.Dc(), RECT{0, 0, 64, 64}, 0xFF000000, 0xFFFFFFFF, true, 10);
    EXPECT_LT(RedOf(canvas.Pixel(10, 0)), 8);
    EXPECT_GT(RedOf(canvas.Pixel(10, 63)), 247);
    for (int y = 1; y < 64; ++y)
        ASSERT_LE(RedOf(canvas.Pixel(10, y - 1)), RedOf(canvas.Pixel(10, y)));
    EXPECT_EQ(canvas.Pixel(0, 30), canvas.Pixel(63, 30));

    MRender::DrawGradient(canvas.Dc(), RECT{0, 0, 64, 64}, 0xFF0000FF, 0xFFFF0000, false, 10);
    EXPECT_GT(BlueOf(canvas.Pixel(0, 5)), 247);
    EXPECT_GT(RedOf(canvas.Pixel(63, 5)), 247);
    EXPECT_EQ(canvas.Pixel(30, 0), canvas.Pixel(30, 63));
}

TEST(MRenderFill, GradientAlphaIsTheMeanOfBothColours) {
    DibCanvas canvas(16, 16, 0xFF000000);
    MRender::DrawGradient(canvas.Dc(), RECT{0, 0, 16, 16}, 0x00FF0000, 0x00FF0000, true, 4);
    EXPECT_EQ(0xFF000000u, canvas.Pixel(8, 8));

    MRender::DrawGradient(canvas.Dc(), RECT{4, 4, 12, 12}, 0xFFFF0000, 0x00FF0000, true, 4);
    EXPECT_NEAR(127, RedOf(canvas.Pixel(8, 8)), 1);
    EXPECT_EQ(0, RedOf(canvas.Pixel(2, 2)));
}

TEST(MRenderFill, GradientBandsFollowTheSteps) {
    DibCanvas canvas(8, 64, 0);
    MsImgFunctions::FillGradientBands(canvas.Dc(), RECT{0, 0, 8, 64}, 0xFF000000, 0xFFFF0000, true, 2);
    EXPECT_EQ(0, RedOf(canvas.Pixel(3, 31)));
    EXPECT_EQ(127, RedOf(canvas.Pixel(3, 32)));

    MsImgFunctions::FillGradientBands(canvas.Dc(), RECT{0, 0, 8, 64}, 0xFF000000, 0xFFFF0000, true, 200);
    for (int y = 1; y < 64; ++y)
        ASSERT_LT(RedOf(canvas.Pixel(3, y - 1)), RedOf(canvas.Pixel(3, y)));
}

TEST(MRenderFill, SoftwareBlendMatchesAlphaBlend) {
    static const BLENDFUNCTION blends[] = {
        {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA},
        {AC_SRC_OVER, 0, 128, AC_SRC_ALPHA},
        {AC_SRC_OVER, 0, 128, 0},
        {AC_SRC_OVER, 0, 255, 0},
        {AC_SRC_OVER, 0, 0, 0},
    };
    // Premultiplied source pixels of several alphas over an opaque and a half-transparent background.
    DibCanvas source(8, 2);
    static const uint32_t sourcePixels[] = {0xFFFF0000, 0x80800000, 0x00000000, 0x40102030,
                                            0xFF00FF00, 0xC0C0C0C0, 0x20200000, 0x80008080};
    for (int x = 0; x < 8; ++x) {
        source.SetPixel(x, 0, sourcePixels[x]);
        source.SetPixel(x, 1, sourcePixels[7 - x]);
    }
    for (const BLENDFUNCTION& blend : blends) {
        DibCanvas system(8, 2, 0xFF204060);
        DibCanvas software(8, 2, 0xFF204060);
        system.SetPixel(0, 1, 0x80402000);
        software.SetPixel(0, 1, 0x80402000);
        ASSERT_TRUE(MsImgFunctions::GetAlphaBlend()(system.Dc(), 0, 0, 8, 2, source.Dc(), 0, 0, 8, 2, blend));
        ASSERT_TRUE(
            MsImgFunctions::SoftwareAlphaBlend(software.Dc(), 0, 0, 8, 2, source.Dc(), 0, 0, 8, 2, blend));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 8; ++x)
                for (int shift = 0; shift < 32; shift += 8)
                    ASSERT_LE(std::abs(static_cast<int>((system.Pixel(x, y) >> shift) & 0xFF) -
                                       static_cast<int>((software.Pixel(x, y) >> shift) & 0xFF)),
                              1)
                        << "constant alpha " << int(blend.SourceConstantAlpha) << " format "
                        << int(blend.AlphaFormat) << " pixel " << x << "," << y << std::hex << " system "
                        << system.Pixel(x, y) << " software " << software.Pixel(x, y);
    }
}

TEST(MRenderFill, SoftwareBlendStretchesAndRefusesEmptyBlocks) {
    DibCanvas source(2, 2, 0xFF00FF00);
    DibCanvas dest(8, 8, 0xFF000000);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, 0};
    ASSERT_TRUE(MsImgFunctions::SoftwareAlphaBlend(dest.Dc(), 2, 2, 4, 4, source.Dc(), 0, 0, 2, 2, blend));
    EXPECT_EQ(16, dest.Count(RECT{0, 0, 8, 8}, [](uint32_t p) { return p == 0xFF00FF00; }));
    EXPECT_EQ(0xFF00FF00u, dest.Pixel(5, 5));
    EXPECT_FALSE(MsImgFunctions::SoftwareAlphaBlend(dest.Dc(), 0, 0, 0, 4, source.Dc(), 0, 0, 2, 2, blend));
}

TEST(MRenderFill, SystemFunctionsAreFound) {
    EXPECT_NE(nullptr, MsImgFunctions::GetGradientFill());
    EXPECT_NE(reinterpret_cast<void*>(&MsImgFunctions::SoftwareAlphaBlend),
              reinterpret_cast<void*>(MsImgFunctions::GetAlphaBlend()));
}

TEST(MRenderFill, CheckAlphaColorAvoidsPureBlackOnly) {
    struct Case {
        unsigned long in, out;
    };
    static const Case cases[] = {
        {0xFF000000, 0xFF000001}, {0x00000000, 0x00000001}, {0x80000000, 0x80000001},
        {0xFF010000, 0xFF010000}, {0xFF000100, 0xFF000100}, {0x00FFFFFF, 0x00FFFFFF},
    };
    for (const Case& c : cases) {
        unsigned long value = c.in;
        MRender::CheckAlphaColor(value);
        EXPECT_EQ(c.out, value) << std::hex << c.in;
    }
}
