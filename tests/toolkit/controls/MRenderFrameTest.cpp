#include <gtest/gtest.h>

#include "support/TestImages.h"
#include "controls/MRender.h"
#include "support/DibCanvas.h"

using Vantix::CRect;
using Vantix::MRender;

namespace {

// A 12 x 12 pattern image drawn as a frame into a 50 x 40 canvas that starts transparent.
class NineGrid : public ::testing::Test {
protected:
    NineGrid() : image(MakePatternImage(12, 12)), canvas(50, 40), target(canvas.WrapAsBitmap()) {}

    void Draw(CRect rect, int corner) {
        Gdiplus::Graphics graphics(target.get());
        MRender::DrawImageFrame(graphics, image.get(), rect, 0, 0, 12, 12, corner);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    }
    void DrawMid(CRect rect, int l, int t, int r, int b) {
        Gdiplus::Graphics graphics(target.get());
        MRender::DrawImageFrameMID(graphics, image.get(), rect, 0, 0, 12, 12, l, t, r, b);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    }
    // Every pixel of the source block (sx, sy, w, h) appears unchanged at (dx, dy).
    void ExpectCopied(int sx, int sy, int w, int h, int dx, int dy) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(PatternColor(sx + x, sy + y), canvas.Pixel(dx + x, dy + y))
                    << "source (" << sx + x << ", " << sy + y << ")";
    }

    std::unique_ptr<Gdiplus::Bitmap> image;
    DibCanvas canvas;
    std::unique_ptr<Gdiplus::Bitmap> target;
};

} // namespace

TEST_F(NineGrid, CornersKeepTheirSizeAndPixels) {
    Draw(CRect(3, 4, 43, 34), 4);
    ExpectCopied(0, 0, 4, 4, 3, 4);
    ExpectCopied(8, 0, 4, 4, 39, 4);
    ExpectCopied(0, 8, 4, 4, 3, 30);
    ExpectCopied(8, 8, 4, 4, 39, 30);
}

TEST_F(NineGrid, EdgesStretchAlongTheirLengthAndCoverTheRectangleOnly) {
    Draw(CRect(3, 4, 43, 34), 4);
    canvas.SaveArtifact(L"nine_grid_frame.png");
    // A top-edge column keeps the rows of the source's top band: red varies along x, green is the row's.
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(y * 4, GreenOf(canvas.Pixel(23, 4 + y)));
    // A left-edge row keeps the columns of the source's left band.
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(x * 4, RedOf(canvas.Pixel(3 + x, 19)));
    // Stretched pieces stay opaque up to the rectangle's edges, and nothing is drawn outside it.
    EXPECT_EQ(0, canvas.Count(RECT{3, 4, 43, 34}, [](uint32_t p) { return AlphaOf(p) != 255; }));
    EXPECT_EQ(0, canvas.Count(RECT{0, 0, 50, 4}, [](uint32_t p) { return p != 0; }));
    EXPECT_EQ(0, canvas.Count(RECT{43, 0, 50, 40}, [](uint32_t p) { return p != 0; }));
    EXPECT_EQ(0, canvas.Count(RECT{0, 34, 50, 40}, [](uint32_t p) { return p != 0; }));
}

TEST_F(NineGrid, SeparateMarginsPlaceEachCornerAtItsOwnSize) {
    DrawMid(CRect(0, 0, 40, 30), 2, 3, 5, 1);
    ExpectCopied(0, 0, 2, 3, 0, 0);   // top-left 2 x 3
    ExpectCopied(7, 0, 5, 3, 35, 0);  // top-right 5 x 3
    ExpectCopied(0, 11, 2, 1, 0, 29); // bottom-left 2 x 1
    ExpectCopied(7, 11, 5, 1, 35, 29);
}

TEST_F(NineGrid, NullImageDrawsNothing) {
    Gdiplus::Graphics graphics(target.get());
    MRender::DrawImageFrame(graphics, nullptr, CRect(0, 0, 50, 40), 0, 0, 12, 12, 4);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    EXPECT_EQ(0, canvas.Count(RECT{0, 0, 50, 40}, [](uint32_t p) { return p != 0; }));
}

TEST_F(NineGrid, RectangleSmallerThanTwoCornersDrawsNoMirroredPieces) {
    Draw(CRect(10, 10, 16, 16), 4);
    // The corners overlap; no piece reaches outside the rectangle.
    EXPECT_EQ(0, canvas.Count(RECT{0, 0, 50, 10}, [](uint32_t p) { return p != 0; }));
    EXPECT_EQ(0, canvas.Count(RECT{0, 16, 50, 40}, [](uint32_t p) { return p != 0; }));
    EXPECT_EQ(0, canvas.Count(RECT{0, 0, 10, 40}, [](uint32_t p) { return p != 0; }));
    EXPECT_EQ(0, canvas.Count(RECT{16, 0, 50, 40}, [](uint32_t p) { return p != 0; }));
    // Later corners overlap the earlier ones; the last one drawn, bottom-right, stays whole.
    ExpectCopied(0, 0, 2, 2, 10, 10);
    ExpectCopied(8, 8, 4, 4, 12, 12);
}

TEST_F(NineGrid, CellOfAStripIsTakenFromItsOffset) {
    // Cell 1 of a strip of 3 cells, each 4 pixels wide.
    Gdiplus::Graphics graphics(target.get());
    MRender::DrawImageFrame(graphics, image.get(), CRect(0, 0, 4, 12), 4, 0, 4, 12, 2);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    ExpectCopied(4, 0, 2, 2, 0, 0);
    ExpectCopied(6, 10, 2, 2, 2, 10);
}

TEST(MRenderGetImageRect, FitsShrinksAndCentres) {
    struct Case {
        int w, h;
        CRect rect;
        CRect expected;
    };
    static const Case cases[] = {
        {400, 100, CRect(0, 0, 200, 200), CRect(0, 75, 200, 125)},  // only too wide
        {100, 400, CRect(0, 0, 200, 200), CRect(75, 0, 125, 200)},  // only too high
        {400, 300, CRect(0, 0, 200, 200), CRect(0, 25, 200, 175)},  // both, wider than the box: by width
        {300, 300, CRect(0, 0, 200, 100), CRect(50, 0, 150, 100)},  // both, narrower than the box: by height
        {400, 50, CRect(10, 10, 210, 110), CRect(10, 47, 210, 72)}, // offset rectangle
        {50, 400, CRect(10, 10, 210, 110), CRect(104, 10, 116, 110)},
        {50, 20, CRect(0, 0, 200, 100), CRect(75, 40, 125, 60)},    // smaller: own size, centred
        {200, 150, CRect(0, 0, 200, 100), CRect(0, -25, 200, 125)}, // as wide, higher: not scaled
        {0, 0, CRect(0, 0, 10, 10), CRect(5, 5, 5, 5)},             // no area: only centred
    };
    for (const Case& c : cases) {
        CRect result = MRender::GetImageRect(c.w, c.h, c.rect);
        EXPECT_EQ(c.expected, result) << c.w << " x " << c.h << " gave (" << result.left << ", " << result.top
                                      << ", " << result.right << ", " << result.bottom << ")";
    }
}

struct FrameCase {
    int imageSide;
    int corner;
    int width;
    int height;
};

// Stretch factors that are no whole numbers leave no seam between the pieces.
static const FrameCase kFrames[] = {
    {12, 4, 40, 30}, {24, 6, 93, 52}, {24, 6, 61, 37}, {24, 6, 200, 25}, {16, 5, 77, 41},
};

TEST(NineGridCoverage, EveryPixelOfTheRectangleIsOpaque) {
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(testing::Message() << c.imageSide << " px image, corner " << c.corner << ", " << c.width
                                        << " x " << c.height);
        auto image = MakeSolidImage(c.imageSide, c.imageSide, 0xFF204080);
        DibCanvas canvas(c.width + 2, c.height + 2);
        auto target = canvas.WrapAsBitmap();
        {
            Gdiplus::Graphics graphics(target.get());
            MRender::DrawImageFrame(graphics, image.get(), CRect(1, 1, 1 + c.width, 1 + c.height), 0, 0,
                                    c.imageSide, c.imageSide, c.corner);
        }
        for (int x = 1; x <= c.width; ++x)
            EXPECT_EQ(0, canvas.Count(RECT{x, 1, x + 1, 1 + c.height},
                                      [](uint32_t p) { return AlphaOf(p) != 255; }))
                << "column " << x;
    }
}
