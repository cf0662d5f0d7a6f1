#include <gtest/gtest.h>

#include "controls/MRender.h"
#include "support/DibCanvas.h"

using Vantix::MRender;

namespace {

class Shapes : public ::testing::Test {
protected:
    Shapes() : canvas(60, 40, 0), target(canvas.WrapAsBitmap()), graphics(target.get()) {}
    uint32_t At(int x, int y) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        return canvas.Pixel(x, y);
    }
    DibCanvas canvas;
    std::unique_ptr<Gdiplus::Bitmap> target;
    Gdiplus::Graphics graphics;
};

} // namespace

TEST_F(Shapes, RoundedFillLeavesTheCornersOpen) {
    MRender::DrawRoundRectange(graphics, 0, 0, 60, 40, 10, Gdiplus::Color(0xFF00FF00));
    EXPECT_EQ(0xFF00FF00u, At(30, 20));
    EXPECT_EQ(0xFF00FF00u, At(30, 1)); // straight top edge
    EXPECT_EQ(0xFF00FF00u, At(1, 20)); // straight left edge
    EXPECT_EQ(0u, At(1, 1));           // outside the top-left arc
    EXPECT_EQ(0u, At(58, 38));         // outside the bottom-right arc
}

TEST_F(Shapes, DivisorFormFillsThenOutlines) {
    MRender::DrawRoundRectange(graphics, 5, 5, 50, 30, 2, Gdiplus::Color(0xFFFF0000), 2, true,
                               Gdiplus::Color(0xFF0000FF));
    EXPECT_EQ(0xFF0000FFu, At(30, 20));
    EXPECT_EQ(0xFFFF0000u, At(30, 5)); // the outline lies over the fill's edge
    EXPECT_EQ(0u, At(5, 5));           // radii 50 / 2 / 2 = 12.5 across and 7.5 down
    EXPECT_EQ(0u, At(30, 1));
}

TEST_F(Shapes, DivisorFormWithoutFillDrawsOnlyTheOutline) {
    MRender::DrawRoundRectange(graphics, 5, 5, 50, 30, 4, Gdiplus::Color(0xFFFF0000), 1, false,
                               Gdiplus::Color(0xFF0000FF));
    EXPECT_EQ(0u, At(30, 20));
    EXPECT_EQ(0xFF, RedOf(At(30, 5)));
}

TEST_F(Shapes, RoundedPathIsClosedAndFollowsTheCorners) {
    Gdiplus::GraphicsPath path;
    MRender::AddRoundedRectangle(path, 10, 10, 40, 20, 5);
    Gdiplus::RectF bounds;
    path.GetBounds(&bounds);
    EXPECT_FLOAT_EQ(10, bounds.X);
    EXPECT_FLOAT_EQ(10, bounds.Y);
    EXPECT_FLOAT_EQ(40, bounds.Width);
    EXPECT_FLOAT_EQ(20, bounds.Height);
    std::vector<BYTE> types(path.GetPointCount());
    path.GetPathTypes(types.data(), static_cast<INT>(types.size()));
    EXPECT_TRUE(types.back() & Gdiplus::PathPointTypeCloseSubpath);

    Gdiplus::SolidBrush brush(Gdiplus::Color(0xFFFFFFFF));
    graphics.FillPath(&brush, &path);
    EXPECT_EQ(0xFFFFFFFFu, At(30, 20));
    EXPECT_EQ(0xFFFFFFFFu, At(11, 20)); // left edge between the arcs
    EXPECT_EQ(0u, At(10, 10));          // outside the top-left arc
    EXPECT_EQ(0u, At(49, 29));          // outside the bottom-right arc
}

TEST(MRenderRotate, TurnsAboutTheCentre) {
    struct Case {
        float x, y, angle, cx, cy, ex, ey;
    };
    static const Case cases[] = {
        {10, 0, 90, 0, 0, 0, 10}, {10, 0, 180, 0, 0, -10, 0}, {5, 5, 90, 5, 0, 0, 0},
        {3, 4, 0, 1, 1, 3, 4},    {2, 0, -90, 0, 0, 0, -2},
    };
    for (const Case& c : cases) {
        Gdiplus::PointF point(c.x, c.y);
        MRender::RotatePoint(point, c.angle, Gdiplus::PointF(c.cx, c.cy));
        EXPECT_NEAR(c.ex, point.X, 1e-4) << c.angle;
        EXPECT_NEAR(c.ey, point.Y, 1e-4) << c.angle;
    }
}
