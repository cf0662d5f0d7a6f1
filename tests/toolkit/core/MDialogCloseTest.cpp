// Closing a dialog with a result: each closing operation, the system close, two closes in a row,
// a close from another thread, and the teardown of the host that follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "TestDialog.h"
#include "support/RecordingControl.h"

using Vantix::CRect;
using Vantix::MDialog;

namespace {

const CRect kScreenRect(100, 100, 300, 200);

// The handlers of the closing sequence, in the order they ran.
std::vector<std::string> ClosingSteps(const TestDialog& dialog) {
    static const char* const kSteps[] = {"UserCloseWindow", "Close", "Destroy", "PostNcDestroy"};
    std::vector<std::string> steps;
    for (const std::string& handler : dialog.log)
        if (std::find(std::begin(kSteps), std::end(kSteps), handler) != std::end(kSteps))
            steps.push_back(handler);
    return steps;
}

} // namespace

TEST(MDialogClose, EachClosingOperationEndsTheModalLoopWithItsCode) {
    static const struct {
        void (MDialog::*close)();
        UINT code;
        const char* name;
    } cases[] = {
        {&MDialog::DoOK, IDOK, "DoOK"},           {&MDialog::DoCancel, IDCANCEL, "DoCancel"},
        {&MDialog::DoClose, IDCANCEL, "DoClose"}, {&MDialog::DoYes, IDYES, "DoYes"},
        {&MDialog::DoNo, IDNO, "DoNo"},
    };
    for (const auto& c : cases) {
        TestDialog dialog;
        ASSERT_NE(nullptr, dialog.CreateAt(kScreenRect));
        (dialog.*c.close)();
        EXPECT_EQ(c.code, dialog.ShowModal(SW_SHOWNOACTIVATE)) << c.name;
        EXPECT_EQ(nullptr, dialog.GetSafeHwnd()) << c.name;
        EXPECT_EQ((std::vector<std::string>{"UserCloseWindow", "Close", "Destroy", "PostNcDestroy"}),
                  ClosingSteps(dialog))
            << c.name;
    }
}

TEST(MDialogClose, SystemCloseEndsTheLoopWithZero) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(kScreenRect));
    ::PostMessageW(dialog.GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_EQ((std::vector<std::string>{"Close", "Destroy", "PostNcDestroy"}), ClosingSteps(dialog));
}

TEST(MDialogClose, TheFirstOfTwoClosesWins) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(kScreenRect));
    dialog.DoOK();
    dialog.DoCancel();
    EXPECT_EQ(static_cast<UINT>(IDOK), dialog.ShowModal(SW_SHOWNOACTIVATE));
    MSG left;
    EXPECT_FALSE(::PeekMessageW(&left, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE)); // gone with the window
}

TEST(MDialogClose, AnotherThreadMayCloseTheDialog) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(kScreenRect));
    std::thread closer([&dialog] {
        ::Sleep(50);
        dialog.DoNo();
    });
    EXPECT_EQ(static_cast<UINT>(IDNO), dialog.ShowModal(SW_SHOWNOACTIVATE));
    closer.join();
}

TEST(MDialogClose, WithoutAWindowClosingDoesNothing) {
    TestDialog dialog;
    dialog.DoOK();
    dialog.DoYes();
    EXPECT_EQ(static_cast<UINT>(-1), dialog.ShowModal(SW_SHOWNOACTIVATE));
    MSG left;
    EXPECT_FALSE(
        ::PeekMessageW(&left, nullptr, Vantix::WM_TOOLKIT_CLOSE, Vantix::WM_TOOLKIT_CLOSE, PM_REMOVE));
    EXPECT_TRUE(dialog.log.empty());
}

TEST(MDialogClose, TheClosedWindowTakesTheControlsWithIt) {
    ControlLife area;
    ControlLife control;
    TestDialog dialog;
    dialog.buildControls = [&](TestDialog& self, CRect) {
        Vantix::PaintManager* host = self.GetPaintManager();
        auto* first = new RecordingControl(&self, 1, CRect(0, 0, 50, 50));
        auto* second = new RecordingControl(&self, 2, CRect(60, 0, 110, 50));
        first->life = &area;
        second->life = &control;
        host->AttachControl(0, first);
        host->AttachControl(1, second);
    };
    ASSERT_NE(nullptr, dialog.CreateAt(kScreenRect));
    ASSERT_NE(nullptr, dialog.GetControl(1));
    ASSERT_EQ(1u, dialog.GetControls()->size());
    dialog.DoCancel();
    EXPECT_EQ(static_cast<UINT>(IDCANCEL), dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(area.destroyed);
    EXPECT_TRUE(control.destroyed);
    EXPECT_EQ(nullptr, dialog.GetControl(1));
    EXPECT_TRUE(dialog.GetControls()->empty());
}
