// The picture control: where each show mode puts the image, the checks of SetShowMode, and a
// picture whose file is missing.
#include <gtest/gtest.h>

#include <memory>

#include "ControlPixels.h"
#include "support/TestImages.h"
#include "controls/MPicture.h"
#include "support/HostWindow.h"
#include "support/SkinImageFile.h"

using Vantix::CRect;
using Vantix::MPicture;

namespace {

const uint32_t kBackground = 0xFF000000;
const CRect kBox(10, 10, 60, 35); // 50 x 25; the image is 20 x 10
const int kBackgroundProbe = -1;

struct Probe {
    int x, y;   // relative to the picture
    int ix, iy; // the image pixel expected there, or kBackgroundProbe
};

struct PictureHost : testing::Test {
    MPicture* Make() {
        window.Host().ClearAreaControls();
        return static_cast<MPicture*>(
            window.Host().CreateArea(&window.Parent(), L"MPicture", 3, kBox, L"", 1, 1));
    }
    void Draw() {
        canvas.Fill(kBackground);
        DrawHost(window.Host(), canvas);
    }

    // The file outlives the window, whose pictures hold it open.
    std::unique_ptr<Gdiplus::Bitmap> image = MakePatternImage(20, 10);
    SkinImageFile file{L"test_mpicture.png", *image};
    HostWindow window;
    DibCanvas canvas{80, 50, kBackground};
};

} // namespace

TEST_F(PictureHost, EachShowModePlacesTheImageItsWay) {
    static const struct {
        const char* name;
        int mode;
        UINT h, v;
        int tolerance;
        Probe probes[4];
    } cases[] = {
        {"natural, top left", 0, 0, 0, 3, {{0, 0, 0, 0}, {19, 9, 19, 9}, {20, 0, -1, 0}, {0, 10, -1, 0}}},
        {"natural, centred", 0, 1, 4, 3, {{15, 7, 0, 0}, {34, 16, 19, 9}, {14, 7, -1, 0}, {35, 16, -1, 0}}},
        {"natural, bottom right",
         0,
         2,
         8,
         3,
         {{30, 15, 0, 0}, {49, 24, 19, 9}, {29, 15, -1, 0}, {30, 14, -1, 0}}},
        {"tiled", 1, 0, 0, 3, {{0, 0, 0, 0}, {25, 13, 5, 3}, {45, 22, 5, 2}, {49, 24, 9, 4}}},
        // Stretched with the Graphics defaults: the last pixels fade out, so the probes stay inside.
        {"stretched", 2, 0, 0, 12, {{0, 0, 0, 0}, {47, 22, 18, 8}, {25, 12, 10, 5}, {40, 5, 16, 2}}},
        {"frame", 3, 0, 0, 3, {{0, 0, 0, 0}, {3, 3, 3, 3}, {49, 24, 19, 9}, {46, 21, 16, 6}}},
        {"custom", 5, 0, 0, 12, {{0, 0, 5, 2}, {49, 24, 14, 6}, {25, 12, 10, 4}, {0, 24, 5, 6}}},
        {"unknown", 9, 0, 0, 0, {{0, 0, -1, 0}, {10, 5, -1, 0}, {49, 24, -1, 0}, {25, 12, -1, 0}}},
    };
    ASSERT_TRUE(file.Written());
    for (const auto& c : cases) {
        MPicture* picture = Make();
        ASSERT_TRUE(picture->SetImage(file.Name(), 1));
        picture->SetAlignment(c.h, c.v);
        picture->SetCustomRect(CRect(5, 2, 15, 7));
        picture->SetShowMode(static_cast<Vantix::enumShowMode>(c.mode), 4);
        Draw();
        for (const Probe& p : c.probes) {
            const uint32_t expected = p.ix == kBackgroundProbe ? kBackground : PatternColor(p.ix, p.iy);
            const uint32_t actual = canvas.Pixel(kBox.left + p.x, kBox.top + p.y);
            EXPECT_TRUE(SameColour(expected, actual, c.tolerance))
                << c.name << " at " << p.x << "," << p.y << ": " << std::hex << actual << " not " << expected;
        }
    }
}

TEST_F(PictureHost, TheFrameWithMarginsKeepsEachCornerAtItsOwnSize) {
    MPicture* picture = Make();
    ASSERT_TRUE(picture->SetImage(file.Name(), 1));
    EXPECT_EQ(1, picture->SetShowModeMID(2, 3, 4, 1));
    Draw();
    static const Probe probes[] = {
        {1, 2, 1, 2}, {0, 0, 0, 0}, {49, 24, 19, 9}, {46, 24, 16, 9}, {49, 0, 19, 0}};
    for (const Probe& p : probes) {
        const uint32_t actual = canvas.Pixel(kBox.left + p.x, kBox.top + p.y);
        EXPECT_TRUE(SameColour(PatternColor(p.ix, p.iy), actual, 3))
            << p.x << "," << p.y << ": " << std::hex << actual;
    }
}

TEST_F(PictureHost, SetShowModeReportsWhetherAnythingChanged) {
    MPicture* picture = Make();
    static const struct {
        int mode, frame, result;
    } calls[] = {{3, 4, 1}, {3, 4, 0}, {3, 6, 1}, {0, 6, 1}, {0, 9, 0}, {2, 9, 1}};
    for (const auto& call : calls)
        EXPECT_EQ(call.result, picture->SetShowMode(static_cast<Vantix::enumShowMode>(call.mode), call.frame))
            << call.mode << "," << call.frame;
}

TEST_F(PictureHost, AMissingFileLeavesTheWindowBackground) {
    MPicture* picture = Make();
    ASSERT_TRUE(picture->SetImage(file.Name(), 1));
    const size_t before = window.Parent().Updates().size();
    EXPECT_FALSE(picture->SetImage(L"no_such_picture.png", 1));
    EXPECT_EQ(before + 1, window.Parent().Updates().size()); // repainted empty
    Draw();
    EXPECT_EQ(0, canvas.Count(kBox, [](uint32_t p) { return p != kBackground; }));
    EXPECT_FALSE(picture->SetImage(nullptr, 1));
}

TEST_F(PictureHost, AStripShowsItsFirstCellAndNoCellsCountAsOne) {
    MPicture* picture = Make();
    ASSERT_TRUE(picture->SetImage(file.Name(), 2));
    picture->SetAlignment(0, 0);
    EXPECT_EQ(Vantix::CSize(10, 10), picture->GetImageSize());
    Draw();
    EXPECT_TRUE(SameColour(PatternColor(9, 0), canvas.Pixel(kBox.left + 9, kBox.top), 3));
    EXPECT_EQ(kBackground, canvas.Pixel(kBox.left + 10, kBox.top));

    ASSERT_TRUE(picture->SetImage(file.Name(), 0));
    EXPECT_EQ(Vantix::CSize(20, 10), picture->GetImageSize());
}
