#include <gtest/gtest.h>

#include "controls/MRender.h"
#include "support/DibCanvas.h"

using Vantix::CRect;
using Vantix::MRender;

namespace {

// A white source blended row by row (or column by column) onto a black destination: the red byte of
// each destination pixel is the alpha it was blended with.
class Transition : public ::testing::Test {
protected:
    Transition() : source(40, 40, 0xFFFFFFFF), dest(40, 40, 0xFF000000) {}
    int Vertical(CRect rect, int a, int b) {
        HDC to = dest.Dc(), from = source.Dc();
        return MRender::DrawVerticalTransition(to, from, rect, rect, a, b);
    }
    int Horizontal(CRect rect, int a, int b) {
        HDC to = dest.Dc(), from = source.Dc();
        return MRender::DrawHorizontalTransition(to, from, rect, rect, a, b);
    }
    DibCanvas source;
    DibCanvas dest;
};

} // namespace

TEST_F(Transition, EqualPercentagesGiveOneUniformAlpha) {
    EXPECT_EQ(51, Vertical(CRect(0, 0, 40, 20), 80, 80));
    EXPECT_NEAR(51, RedOf(dest.Pixel(5, 0)), 1);
    EXPECT_NEAR(51, RedOf(dest.Pixel(5, 19)), 1);
    EXPECT_EQ(0, RedOf(dest.Pixel(5, 20)));
}

TEST_F(Transition, VerticalFadesFromOpaqueAtTheTopToTransparentAtTheBottom) {
    int last = Vertical(CRect(0, 0, 40, 40), 0, 100);
    EXPECT_EQ(255, RedOf(dest.Pixel(10, 0)));
    for (int y = 1; y < 40; ++y)
        ASSERT_LE(RedOf(dest.Pixel(10, y)), RedOf(dest.Pixel(10, y - 1)));
    EXPECT_LT(RedOf(dest.Pixel(10, 39)), 10);
    EXPECT_EQ(last, RedOf(dest.Pixel(10, 39)));
    EXPECT_EQ(RedOf(dest.Pixel(0, 20)), RedOf(dest.Pixel(39, 20)));
}

TEST_F(Transition, ReversedPercentagesFadeTheOtherWay) {
    int last = Horizontal(CRect(0, 0, 40, 40), 100, 0);
    EXPECT_EQ(0, RedOf(dest.Pixel(0, 10)));
    EXPECT_GT(RedOf(dest.Pixel(39, 10)), 245);
    EXPECT_EQ(last, RedOf(dest.Pixel(39, 10)));
    EXPECT_EQ(RedOf(dest.Pixel(20, 0)), RedOf(dest.Pixel(20, 39)));
}

TEST_F(Transition, EmptyRectangleDrawsNothingAndAnswersOpaque) {
    EXPECT_EQ(255, Vertical(CRect(0, 10, 40, 10), 0, 100));
    EXPECT_EQ(255, Horizontal(CRect(10, 0, 10, 40), 0, 100));
    EXPECT_EQ(0, dest.Count(RECT{0, 0, 40, 40}, [](uint32_t p) { return p != 0xFF000000; }));
}

TEST_F(Transition, RightBottomCornerFadesRadiallyInsideTheRectangle) {
    HDC to = dest.Dc(), from = source.Dc();
    MRender::DrawRightBottomTransition(to, from, CRect(10, 10, 30, 30), 8, 0);
    EXPECT_EQ(255, RedOf(dest.Pixel(22, 22))); // inner corner of the fade: the source
    EXPECT_LT(RedOf(dest.Pixel(29, 29)), 5);   // outer corner: the destination
    EXPECT_GT(RedOf(dest.Pixel(24, 22)), RedOf(dest.Pixel(28, 22)));
    EXPECT_EQ(0, RedOf(dest.Pixel(21, 21))); // outside the n x n corner
    EXPECT_EQ(0, RedOf(dest.Pixel(5, 5)));
}
