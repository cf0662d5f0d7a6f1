// The push button: its four states drawn from the four cells of its strip, hover changes that only
// re-copy the surface, the grey caption of the disabled state, and a missing background image.
#include <gtest/gtest.h>

#include <memory>

#include "ControlPixels.h"
#include "controls/MButton.h"
#include "support/HostWindow.h"
#include "support/SkinImageFile.h"

using Vantix::CRect;
using Vantix::MButton;

namespace {

const uint32_t kBackground = 0xFF203040;
const uint32_t kCells[] = {0xFFC00000, 0xFF00A000, 0xFF0000C0,
                           0xFF808000}; // normal, hover, pressed, disabled
const uint32_t kDark[] = {0xFF101010, 0xFF101010, 0xFF101010, 0xFF101010};
const int kCell = 20;

// Four solid cells side by side.
std::unique_ptr<Gdiplus::Bitmap> MakeStrip(const uint32_t (&colours)[4]) {
    auto strip = std::make_unique<Gdiplus::Bitmap>(4 * kCell, kCell, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(strip.get());
    for (int cell = 0; cell < 4; ++cell) {
        Gdiplus::SolidBrush brush{Gdiplus::Color(colours[cell])};
        graphics.FillRectangle(&brush, cell * kCell, 0, kCell, kCell);
    }
    return strip;
}

struct ButtonHost : testing::Test {
    MButton* Make(const wchar_t* caption, int enabled, const SkinImageFile* strip) {
        auto* button = static_cast<MButton*>(window.Host().CreateControl(
            &window.Parent(), L"MButton", 7, CRect(20, 10, 80, 40), caption, 1, enabled));
        if (strip) {
            EXPECT_TRUE(button->SetImage(strip->Name(), 4));
        }
        return button;
    }
    // The colour in the middle of the button, away from its corners and caption.
    uint32_t Middle() {
        canvas.Fill(kBackground);
        DrawHost(window.Host(), canvas);
        return canvas.Pixel(50, 14);
    }

    // The files outlive the window, whose image records hold them open.
    std::unique_ptr<Gdiplus::Bitmap> image = MakeStrip(kCells);
    SkinImageFile strip{L"test_mbutton_strip.png", *image};
    std::unique_ptr<Gdiplus::Bitmap> darkImage = MakeStrip(kDark);
    SkinImageFile darkStrip{L"test_mbutton_dark.png", *darkImage};
    HostWindow window;
    DibCanvas canvas{120, 60, kBackground};
};

} // namespace

TEST_F(ButtonHost, EachStateShowsItsCellOfTheStrip) {
    ASSERT_TRUE(strip.Written());
    MButton* button = Make(L"", 1, &strip);
    static const struct {
        UINT msg;
        int x, y;
        int cell;
    } steps[] = {
        {0, 0, 0, 0},                // as made
        {WM_MOUSEMOVE, 30, 20, 1},   // hover
        {WM_LBUTTONDOWN, 30, 20, 2}, // pressed
        {WM_MOUSEMOVE, 100, 50, 2},  // still pressed off the button
        {WM_LBUTTONUP, 30, 20, 1},   // released over it
        {WM_MOUSEMOVE, 100, 50, 0},  // left
    };
    for (const auto& step : steps) {
        if (step.msg)
            window.Mouse(step.msg, step.x, step.y, step.msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
        EXPECT_TRUE(SameColour(kCells[step.cell], Middle(), 2))
            << "cell " << step.cell << " after message " << step.msg << ": " << std::hex << Middle();
    }
    button->SetEnabled(0);
    EXPECT_TRUE(SameColour(kCells[3], Middle(), 2)) << std::hex << Middle();
    button->SetEnabled(1);
    EXPECT_TRUE(SameColour(kCells[0], Middle(), 2)) << std::hex << Middle();
}

TEST_F(ButtonHost, AButtonMadeDisabledShowsTheDisabledCellAndIgnoresTheMouse) {
    Make(L"", 0, &strip);
    EXPECT_TRUE(SameColour(kCells[3], Middle(), 2)) << std::hex << Middle();
    window.Mouse(WM_MOUSEMOVE, 30, 20);
    window.Mouse(WM_LBUTTONDOWN, 30, 20, MK_LBUTTON);
    EXPECT_TRUE(SameColour(kCells[3], Middle(), 2)) << std::hex << Middle();
    window.Mouse(WM_LBUTTONUP, 30, 20);
    EXPECT_TRUE(window.Parent().notifications.empty());
}

TEST_F(ButtonHost, HoverOnlyCopiesAnotherPartOfTheRenderedSurface) {
    MButton* button = Make(L"OK", 1, &strip);
    Middle();
    ASSERT_EQ(1, button->GetUpdate());
    const size_t before = window.Parent().Updates().size();
    window.Mouse(WM_MOUSEMOVE, 30, 20);
    const auto updates = window.Parent().Updates();
    ASSERT_EQ(before + 1, updates.size());
    EXPECT_EQ(0, updates.back().redraw);
    EXPECT_EQ(CRect(20, 10, 80, 40), updates.back().rect);
    EXPECT_EQ(1, button->GetUpdate()); // no re-rendering needed
    EXPECT_TRUE(SameColour(kCells[1], Middle(), 2));

    window.Mouse(WM_MOUSEMOVE, 31, 21); // no change of state: no request
    EXPECT_EQ(before + 1, window.Parent().Updates().size());
}

TEST_F(ButtonHost, TheDisabledCaptionIsGreyAndTheOthersTakeTheTextColour) {
    MButton* button = Make(L"OK", 1, &darkStrip);
    const CRect face(20, 10, 80, 40);
    auto bright = [](uint32_t p) { return RedOf(p) > 0xC0 && GreenOf(p) > 0xC0 && BlueOf(p) > 0xC0; };
    auto grey = [](uint32_t p) {
        return RedOf(p) > 0x50 && RedOf(p) < 0x90 && std::abs(RedOf(p) - BlueOf(p)) < 0x18;
    };
    Middle();
    EXPECT_GT(canvas.Count(face, bright), 10);
    button->SetEnabled(0);
    Middle();
    EXPECT_EQ(0, canvas.Count(face, bright));
    EXPECT_GT(canvas.Count(face, grey), 10);
}

TEST_F(ButtonHost, WithoutABackgroundImageTheWindowShowsThroughUnderTheCaption) {
    MButton* button = Make(L"OK", 1, nullptr);
    EXPECT_FALSE(button->SetImage(L"no_such_image.png", 4));
    canvas.Fill(kBackground);
    DrawHost(window.Host(), canvas);
    EXPECT_EQ(kBackground, canvas.Pixel(22, 12));
    EXPECT_EQ(kBackground, canvas.Pixel(78, 38));
    const auto white = [](uint32_t p) { return GreenOf(p) > 0xC0; };
    EXPECT_GT(canvas.Count(CRect(20, 10, 80, 40), white), 10);
}

TEST_F(ButtonHost, IconStripsLoadFromTheSkinFolder) {
    MButton* button = Make(L"", 1, nullptr);
    EXPECT_TRUE(button->SetIconImage(strip.Name(), 4));
    EXPECT_FALSE(button->SetIconImage(L"no_such_icon.png", 4));
    EXPECT_FALSE(button->SetIconImage(nullptr, 4));
}
