// The background panel: the default light wash, a solid fill, a framed fill and a vertical fade.
#include <gtest/gtest.h>

#include "ControlPixels.h"
#include "controls/CArea.h"
#include "support/HostWindow.h"

using Vantix::CArea;
using Vantix::CRect;

namespace {

const uint32_t kBackground = 0xFF204060;
const CRect kBox(10, 10, 60, 40); // 50 x 30

// The channel c of the background with the fill blended over it at alpha (of 255).
int Blend(int fill, int background, int alpha) {
    return (fill * 254 / 255 * alpha + background * (255 - alpha)) / 255;
}

uint32_t Washed(int red, int green, int blue, int alpha) {
    return 0xFF000000u | static_cast<uint32_t>(Blend(red, 0x20, alpha)) << 16 |
           static_cast<uint32_t>(Blend(green, 0x40, alpha)) << 8 |
           static_cast<uint32_t>(Blend(blue, 0x60, alpha));
}

} // namespace

TEST(CArea, EachLookOfThePanel) {
    static const struct {
        const char* name;
        int start, end;
        COLORREF colour;
        int frame;
        struct {
            int x, y;
            uint32_t expected;
        } probes[4];
    } cases[] = {
        {"default wash",
         80,
         80,
         RGB(255, 255, 255),
         0,
         {{0, 0, Washed(255, 255, 255, 51)},
          {49, 29, Washed(255, 255, 255, 51)},
          {25, 15, Washed(255, 255, 255, 51)},
          {-1, 0, kBackground}}},
        {"solid",
         0,
         0,
         RGB(200, 0, 0),
         0,
         {{0, 0, Washed(200, 0, 0, 255)},
          {49, 29, Washed(200, 0, 0, 255)},
          {25, 15, Washed(200, 0, 0, 255)},
          {50, 29, kBackground}}},
        {"framed",
         0,
         0,
         RGB(200, 0, 0),
         1,
         {{0, 0, 0xFF00FF00},
          {49, 29, 0xFF00FF00},
          {1, 1, Washed(200, 0, 0, 255)},
          {48, 28, Washed(200, 0, 0, 255)}}},
        {"fade out downwards",
         0,
         100,
         RGB(255, 255, 255),
         1,
         {{0, 0, Washed(255, 255, 255, 255)},
          {49, 0, Washed(255, 255, 255, 255)},
          {0, 29, Washed(255, 255, 255, 8)},
          {25, 29, Washed(255, 255, 255, 8)}}},
    };
    for (const auto& c : cases) {
        HostWindow window;
        auto* area =
            static_cast<CArea*>(window.Host().CreateArea(&window.Parent(), L"CArea", 1, kBox, nullptr, 1, 0));
        ASSERT_NE(nullptr, area);
        EXPECT_EQ(1, area->IsEnabled());
        if (c.start != 80 || c.colour != RGB(255, 255, 255))
            area->SetTransparent(c.start, c.end, c.colour);
        if (c.frame)
            area->SetFrame(1, Gdiplus::Color(0xFF00FF00), 0);
        DibCanvas canvas(80, 60, kBackground);
        DrawHost(window.Host(), canvas);
        for (const auto& p : c.probes) {
            const uint32_t actual = canvas.Pixel(kBox.left + p.x, kBox.top + p.y);
            EXPECT_TRUE(SameColour(p.expected, actual, 3)) << c.name << " at " << p.x << "," << p.y << ": "
                                                           << std::hex << actual << " not " << p.expected;
        }
    }
}

TEST(CArea, ChangesAskForARedrawOfAVisiblePanelOnly) {
    HostWindow window;
    auto* area =
        static_cast<CArea*>(window.Host().CreateArea(&window.Parent(), L"CArea", 1, kBox, nullptr, 1, 1));
    area->SetTransparent(10, 20, RGB(1, 2, 3));
    area->SetFrame(1, Gdiplus::Color(0xFF00FF00), 0);
    auto updates = window.Parent().Updates();
    ASSERT_EQ(2u, updates.size());
    EXPECT_EQ(1, updates[0].redraw);
    EXPECT_EQ(kBox, updates[1].rect);
    area->SetVisible(0);
    const size_t hidden = window.Parent().Updates().size();
    area->SetTransparent(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(hidden, window.Parent().Updates().size());
}
