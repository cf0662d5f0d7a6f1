// A dialog's controls made by class name: the button's press and click notifications reaching
// OnMessage, a click that ends the modal loop, and class names that make nothing.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "controls/MButton.h"
#include "controls/MText.h"

using Vantix::CRect;

namespace {

const UINT kYes = 33;
const UINT kNo = 34;

struct ButtonDialog : testing::Test {
    void SetUp() override {
        dialog.EnableWndDrag(FALSE);
        dialog.buildControls = [](TestDialog& self, CRect client) {
            self.CreateArea(L"MText", 31, CRect(20, 15, client.right - 20, 40), L"Question", 1, 1);
            self.CreateControl(L"MButton", kYes, CRect(70, 160, 170, 190), L"YES", 1, 1);
            self.CreateControl(L"MButton", kNo, CRect(210, 160, 310, 190), L"NO", 1, 0);
        };
        ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 480, 300)));
        ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    // Codes reported by the controls of this id, in order.
    std::vector<UINT> Codes(UINT id) const {
        std::vector<UINT> codes;
        for (const auto& n : dialog.notifications) {
            if (n.id != id)
                continue;
            codes.push_back(n.code);
            EXPECT_EQ(0u, n.wParam);
            EXPECT_EQ(0, n.lParam);
        }
        return codes;
    }

    TestDialog dialog;
};

} // namespace

TEST_F(ButtonDialog, ControlsMadeByNameLandInTheirLists) {
    auto* title = dynamic_cast<Vantix::MText*>(dialog.GetControl(31));
    auto* yes = dynamic_cast<Vantix::MButton*>(dialog.GetControl(kYes));
    ASSERT_NE(nullptr, title);
    ASSERT_NE(nullptr, yes);
    EXPECT_EQ(2u, dialog.GetControls()->size()); // the text is an area
    EXPECT_EQ(static_cast<Vantix::MObject*>(&dialog), yes->GetParantObject());
    EXPECT_EQ(dialog.GetPaintManager(), yes->GetManager());
    EXPECT_EQ(0, dialog.GetControl(kNo)->IsEnabled());
}

TEST_F(ButtonDialog, AClickOnAButtonArrivesAsPressThenClickWithItsId) {
    dialog.Mouse(WM_MOUSEMOVE, 100, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 100, 170, MK_LBUTTON);
    EXPECT_EQ(std::vector<UINT>{1}, Codes(kYes));
    dialog.Mouse(WM_LBUTTONUP, 101, 171);
    EXPECT_EQ((std::vector<UINT>{1, 2}), Codes(kYes));
}

TEST_F(ButtonDialog, APressThatWandersOffAndComesBackStillClicks) {
    dialog.Mouse(WM_MOUSEMOVE, 100, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 100, 170, MK_LBUTTON);
    dialog.Mouse(WM_MOUSEMOVE, 300, 100, MK_LBUTTON);
    dialog.Mouse(WM_MOUSEMOVE, 120, 175, MK_LBUTTON);
    dialog.Mouse(WM_LBUTTONUP, 120, 175);
    EXPECT_EQ((std::vector<UINT>{1, 2}), Codes(kYes));
}

TEST_F(ButtonDialog, AReleaseOutsideTheButtonIsNoClick) {
    dialog.Mouse(WM_MOUSEMOVE, 100, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 100, 170, MK_LBUTTON);
    dialog.Mouse(WM_MOUSEMOVE, 200, 100, MK_LBUTTON);
    dialog.Mouse(WM_LBUTTONUP, 200, 100);
    EXPECT_EQ(std::vector<UINT>{1}, Codes(kYes));

    // The button is ready for the next click.
    dialog.Mouse(WM_MOUSEMOVE, 100, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 100, 170, MK_LBUTTON);
    dialog.Mouse(WM_LBUTTONUP, 100, 170);
    EXPECT_EQ((std::vector<UINT>{1, 1, 2}), Codes(kYes));
}

TEST_F(ButtonDialog, ADisabledButtonReportsNothing) {
    dialog.Mouse(WM_MOUSEMOVE, 250, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 250, 170, MK_LBUTTON);
    dialog.Mouse(WM_LBUTTONUP, 250, 170);
    EXPECT_TRUE(Codes(kNo).empty());

    dialog.GetControl(kNo)->SetEnabled(1);
    dialog.Mouse(WM_MOUSEMOVE, 251, 170);
    dialog.Mouse(WM_LBUTTONDOWN, 251, 170, MK_LBUTTON);
    dialog.Mouse(WM_LBUTTONUP, 251, 170);
    EXPECT_EQ((std::vector<UINT>{1, 2}), Codes(kNo));
}

TEST_F(ButtonDialog, ClickingYesEndsTheModalLoopWithSix) {
    dialog.onNotification = [](TestDialog& self, UINT id, UINT code) -> LRESULT {
        if (id != kYes || code != 2)
            return 0;
        self.DoYes();
        return 1;
    };
    // Queued input, as the modal loop takes it from the system.
    dialog.PostMouse(WM_MOUSEMOVE, 100, 170);
    dialog.PostMouse(WM_LBUTTONDOWN, 100, 170, MK_LBUTTON);
    dialog.PostMouse(WM_LBUTTONUP, 100, 170);
    EXPECT_EQ(static_cast<UINT>(IDYES), dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_EQ((std::vector<UINT>{1, 2}), Codes(kYes));
}

TEST_F(ButtonDialog, ANameOfNoBuiltClassMakesNothing) {
    static const wchar_t* const names[] = {L"mbutton", L"MBUTTON",      L"MButtonX", L"Button",        L"",
                                           nullptr,    L"CImageButton", L"MPanel",   L"KeyFuncControl"};
    for (const wchar_t* name : names) {
        EXPECT_EQ(nullptr, dialog.CreateControl(name, 50, CRect(0, 0, 10, 10), L"x", 1, 1));
        EXPECT_EQ(nullptr, dialog.CreateArea(name, 51, CRect(0, 0, 10, 10), L"x", 1, 1));
    }
    EXPECT_EQ(2u, dialog.GetControls()->size());
    EXPECT_EQ(nullptr, dialog.GetControl(50));
    EXPECT_EQ(nullptr, dialog.GetControl(51));
}
