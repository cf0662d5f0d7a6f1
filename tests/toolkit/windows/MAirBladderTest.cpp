#include <gtest/gtest.h>

#include "core/CStringException.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/SkinImageFile.h"
#include "support/TestImages.h"
#include "support/ThreadWindow.h"
#include "windows/MAirBladder.h"

using Vantix::AIRBLADDER_MODE;
using Vantix::AIRBLADDER_TYPE;
using Vantix::CRect;
using Vantix::MAirBladder;

namespace {

class TestBalloon : public MAirBladder {
public:
    void Draw(DibCanvas& canvas) {
        auto bitmap = canvas.WrapAsBitmap();
        Gdiplus::Graphics graphics(bitmap.get());
        DrawBalloon(graphics, canvas.Width(), canvas.Height());
    }
};

// A balloon window owned by a host window, created as the host creates its balloon.
class Balloon : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, balloon.Create(owner.Handle(), L"AirBladder Window", 0x96000080, 0, CRect()));
    }
    CRect Show(const wchar_t* text, int mode, int type = 1, POINT point = POINT{500, 300}) {
        EXPECT_EQ(1, balloon.SetAirBladderMsg(text, point, static_cast<AIRBLADDER_TYPE>(type),
                                              static_cast<AIRBLADDER_MODE>(mode)));
        return Placement();
    }
    CRect Placement() {
        CRect rect;
        GetWindowRect(balloon.GetSafeHwnd(), &rect);
        return rect;
    }
    // True when the hide timer was running (it is stopped by asking).
    bool HideTimerRuns() { return KillTimer(balloon.GetSafeHwnd(), 10) != FALSE; }

    HostWindow owner;
    TestBalloon balloon;
};

} // namespace

TEST_F(Balloon, CreationMakesABorderlessToolWindow) {
    HWND hwnd = balloon.GetSafeHwnd();
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(0, style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(0x06000008, style & 0x06000008);
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(owner.Handle(), GetWindow(hwnd, GW_OWNER));
}

TEST_F(Balloon, PlacementsAgreeOnTheTextSize) {
    const CRect right = Show(L"Hello balloon", 1);
    const int w = right.Width() - 40;
    const int h = right.Height() - 20; // one line
    EXPECT_GT(w, 40);
    EXPECT_GT(h, 10);
    EXPECT_EQ(500, right.left);
    EXPECT_EQ(300 - h / 2 - 10, right.top);

    EXPECT_EQ(CRect(500 - w - 40, 300 - 27, 500, 300 + h - 7), Show(L"Hello balloon", 2));
    EXPECT_EQ(CRect(500 - 25, 300, 500 + w + 15, 300 + h + 30), Show(L"Hello balloon", 3));
    const int left = 500 - (w + 30) / 2;
    EXPECT_EQ(CRect(left, 300 - h - 20, left + w + 30, 300), Show(L"Hello balloon", 4));
    EXPECT_TRUE(GetWindowLongPtrW(balloon.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(Balloon, EveryLineAddsOneLineHeight) {
    const int one = Show(L"first", 3).Height();
    const int two = Show(L"first\nsecond", 3).Height();
    const int three = Show(L"first\nsecond\nthird", 3).Height();
    EXPECT_GT(two, one);
    EXPECT_EQ(two - one, three - two);
}

TEST_F(Balloon, UnknownModeCollapsesAndTheFifthNeedsThreeLines) {
    EXPECT_TRUE(Show(L"text", 9).IsRectEmpty());
    CRect low = Show(L"one line", 5, 1, POINT{200, 200});
    EXPECT_EQ(200, low.left);
    EXPECT_EQ(190, low.top);
    EXPECT_EQ(0, low.Height());
}

TEST_F(Balloon, SameMessageAtTheSamePointChangesNothing) {
    Show(L"again", 3);
    EXPECT_TRUE(HideTimerRuns());
    MoveWindow(balloon.GetSafeHwnd(), 10, 10, 50, 20, FALSE);
    Show(L"again", 3);
    EXPECT_EQ(CRect(10, 10, 60, 30), Placement());
    EXPECT_FALSE(HideTimerRuns());
    // Another point refits and restarts the timer.
    Show(L"again", 3, 1, POINT{400, 300});
    EXPECT_EQ(375, Placement().left);
    EXPECT_TRUE(HideTimerRuns());
}

TEST_F(Balloon, StayingTypeStartsNoTimerAndOthersHideOnTheirTimer) {
    Show(L"stays", 3, 4);
    EXPECT_FALSE(HideTimerRuns());

    Show(L"goes", 3, 1);
    balloon.ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(IsWindowVisible(balloon.GetSafeHwnd()));
    SendMessageW(balloon.GetSafeHwnd(), WM_TIMER, 10, 0);
    EXPECT_FALSE(IsWindowVisible(balloon.GetSafeHwnd()));
    EXPECT_FALSE(HideTimerRuns());
}

TEST_F(Balloon, LosingTheFocusHidesUnlessTheModeIsFive) {
    Show(L"focus", 3, 4);
    balloon.ShowWindow(SW_SHOWNOACTIVATE);
    SendMessageW(balloon.GetSafeHwnd(), WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(IsWindowVisible(balloon.GetSafeHwnd()));

    Show(L"a\nb\nc\nd", 5, 4);
    balloon.ShowWindow(SW_SHOWNOACTIVATE);
    SendMessageW(balloon.GetSafeHwnd(), WM_KILLFOCUS, 0, 0);
    EXPECT_TRUE(IsWindowVisible(balloon.GetSafeHwnd()));
}

TEST_F(Balloon, EmptyTextLeavesTheWindowWhereItWas) {
    CRect before = Show(L"somewhere", 3);
    EXPECT_EQ(before, Show(L"", 1, 1, POINT{50, 50}));
}

TEST_F(Balloon, NullTextIsRefused) {
    try {
        balloon.SetAirBladderMsg(nullptr, POINT{0, 0}, Vantix::AIRBLADDER_TYPE_TIMED,
                                 Vantix::AIRBLADDER_MODE_BELOW);
        FAIL() << "no exception";
    } catch (const Vantix::CStringException& error) {
        EXPECT_EQ(E_FAIL, error.GetErrorCode());
    }
}

TEST_F(Balloon, PictureHasTheFrameAndCentresOneLine) {
    SkinImageFile background(L"test_balloon_bk.png", *MakeSolidImage(24, 24, 0xC0204080));
    ASSERT_TRUE(balloon.LoadBKImage(background.Name()));
    CRect rect = Show(L"Centred", 3);
    DibCanvas canvas(rect.Width(), rect.Height());
    balloon.Draw(canvas);
    canvas.SaveArtifact(L"balloon_one_line.png");
    // The frame covers the picture up to one pixel short of the right and bottom edges.
    EXPECT_EQ(0xC0u, static_cast<unsigned>(AlphaOf(canvas.Pixel(2, 2))));
    EXPECT_EQ(0u, canvas.Pixel(canvas.Width() - 1, 5));
    // White text whose ink is centred.
    auto white = [](uint32_t p) { return RedOf(p) > 200 && GreenOf(p) > 200 && BlueOf(p) > 200; };
    int left = canvas.Width(), right = -1;
    for (int x = 0; x < canvas.Width(); ++x) {
        if (canvas.Count(RECT{x, 0, x + 1, canvas.Height()}, white) > 0) {
            left = std::min(left, x);
            right = x;
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_NEAR(canvas.Width() / 2, (left + right) / 2, 3);
}

TEST_F(Balloon, SeveralLinesStartAtTheLeftOfTheTextBox) {
    CRect rect = Show(L"long first line\nx", 3);
    DibCanvas canvas(rect.Width() + 200, rect.Height());
    balloon.Draw(canvas);
    auto white = [](uint32_t p) { return RedOf(p) > 128; };
    int left = -1;
    for (int x = 0; x < canvas.Width() && left < 0; ++x)
        if (canvas.Count(RECT{x, 0, x + 1, canvas.Height()}, white) > 0)
            left = x;
    EXPECT_GE(left, 8);
    EXPECT_LE(left, 11);
}

// The images a host loads for its first balloon come with the theme.
TEST_F(Balloon, TheThemesOwnImagesLoadAndGiveTheBalloonItsBackground) {
    ASSERT_TRUE(balloon.LoadBKImage(L"img_tip_bk.png"));
    EXPECT_TRUE(balloon.LoadArrowLImage(L"img_tip_arrow_left.png"));
    EXPECT_TRUE(balloon.LoadArrowRImage(L"img_tip_arrow_right.png"));
    EXPECT_TRUE(balloon.LoadArrowTImage(L"img_tip_arrow_top.png"));
    CRect rect = Show(L"Themed", 3);
    DibCanvas canvas(rect.Width(), rect.Height());
    balloon.Draw(canvas);
    canvas.SaveArtifact(L"balloon_theme1.png");
    const uint32_t inside = canvas.Pixel(canvas.Width() / 2, 3);
    EXPECT_GT(AlphaOf(inside), 0xE0u);
    EXPECT_LT(RedOf(inside), 0x40u) << "a dark background under the white text";
}

TEST_F(Balloon, MissingImagesAreReported) {
    EXPECT_FALSE(balloon.LoadBKImage(L"no_such_tip_background.png"));
    EXPECT_FALSE(balloon.LoadArrowLImage(L"no_such_arrow.png"));
    EXPECT_FALSE(balloon.LoadArrowTImage(9999, L"PNG"));
}

TEST(BalloonOfAHost, AppearsAndHides) {
    HostWindow owner;
    EXPECT_EQ(0, owner.Host().ShowAirBladder(1, 0));
    ASSERT_EQ(1, owner.Host().SetAirBladderMsg(L"From the host", POINT{300, 300},
                                               Vantix::AIRBLADDER_TYPE_TIMED, Vantix::AIRBLADDER_MODE_BELOW));
    HWND balloon = FindThreadWindow(L"AirBladder Window");
    ASSERT_NE(nullptr, balloon);
    EXPECT_EQ(owner.Handle(), GetWindow(balloon, GW_OWNER));
    owner.Host().ShowAirBladder(SW_SHOWNOACTIVATE, 3);
    EXPECT_TRUE(IsWindowVisible(balloon));
    EXPECT_EQ(0, owner.Host().ShowAirBladder(SW_HIDE, 7));
    EXPECT_TRUE(IsWindowVisible(balloon));
    owner.Host().ShowAirBladder(SW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(balloon));
}
