#include <gtest/gtest.h>

#include "core/CStringException.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "windows/CKeyboardTips.h"

using Vantix::CKeyboardTips;
using Vantix::CRect;

namespace {

class TestTip : public CKeyboardTips {
public:
    void Draw(DibCanvas& canvas) { DrawTip(canvas.Dc(), canvas.Width(), canvas.Height()); }
};

class KeyboardTip : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, tip.Create(owner.Handle(), L"KeyboardTip Window", 0x96000080, 0, CRect()));
    }
    CRect Placement() {
        CRect rect;
        GetWindowRect(tip.GetSafeHwnd(), &rect);
        return rect;
    }
    HostWindow owner;
    TestTip tip;
};

bool Refused(CKeyboardTips& tip, const wchar_t* title, const wchar_t* line1) {
    try {
        tip.SetAirBladderMsg(title, line1, L"", POINT{0, 0});
    } catch (const Vantix::CStringException& error) {
        return error.GetErrorCode() == E_FAIL;
    }
    return false;
}

} // namespace

TEST_F(KeyboardTip, SitsWithItsBottomCentreOnThePoint) {
    EXPECT_EQ(1, tip.SetAirBladderMsg(L"Key", L"first", L"second", POINT{400, 300}));
    EXPECT_EQ(CRect(305, 200, 495, 300), Placement());
    // The same texts at the same point leave the window alone.
    MoveWindow(tip.GetSafeHwnd(), 0, 0, 190, 100, FALSE);
    EXPECT_EQ(1, tip.SetAirBladderMsg(L"Key", L"first", L"second", POINT{400, 300}));
    EXPECT_EQ(CRect(0, 0, 190, 100), Placement());
}

TEST_F(KeyboardTip, EmptyTitleStoresButDoesNotMove) {
    EXPECT_EQ(1, tip.SetAirBladderMsg(L"", L"first", L"second", POINT{400, 300}));
    EXPECT_TRUE(Placement().IsRectEmpty());
}

TEST_F(KeyboardTip, NullTextsAreRefused) {
    EXPECT_TRUE(Refused(tip, nullptr, L"line"));
    EXPECT_TRUE(Refused(tip, L"", nullptr)); // the title is unchanged (empty)
    EXPECT_FALSE(Refused(tip, L"other", nullptr));
}

TEST_F(KeyboardTip, PictureIsADarkPanelWithAGreyBorderAndTheTexts) {
    tip.SetAirBladderMsg(L"Title", L"First line", L"Second", POINT{400, 300});
    DibCanvas canvas(190, 100);
    tip.Draw(canvas);
    canvas.SaveArtifact(L"keyboard_tip.png", true);
    EXPECT_EQ(0x505050u, canvas.Pixel(0, 0) & 0xFFFFFF);
    EXPECT_EQ(0x505050u, canvas.Pixel(189, 99) & 0xFFFFFF);
    EXPECT_EQ(0x141414u, canvas.Pixel(1, 1) & 0xFFFFFF);
    EXPECT_EQ(0x141414u, canvas.Pixel(188, 98) & 0xFFFFFF);
    auto bright = [](uint32_t p) { return RedOf(p) > 150; };
    EXPECT_GT(canvas.Count(RECT{10, 10, 170, 23}, bright), 5);
    EXPECT_GT(canvas.Count(RECT{10, 39, 170, 59}, bright), 5);
    EXPECT_GT(canvas.Count(RECT{10, 67, 170, 87}, bright), 5);
    EXPECT_EQ(0, canvas.Count(RECT{10, 88, 180, 98}, bright));
}
