#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "RecordingWindow.h"

namespace {

const RECT kOwnerRect = {0, 0, 300, 200};
const RECT kDialogRect = {50, 50, 250, 150};

// The window destroys itself, without a WM_CLOSE, on the WM_APP posted to it.
void DestroyOnWmApp(RecordingWindow& window) {
    window.handler = [&window](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        if (msg != WM_APP)
            return false;
        window.DestroyWindow();
        result = 0;
        return true;
    };
}

// A modal window with an owner; the test arranges posted messages before the loop starts.
class ModalLoop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, owner.CreatePopup(kOwnerRect));
        ASSERT_NE(nullptr, dialog.CreatePopup(kDialogRect, owner.GetSafeHwnd()));
        // Notes whether the owner was disabled while the loop ran.
        dialog.handler = [this](UINT msg, WPARAM, LPARAM, LRESULT&) {
            if (msg == WM_APP)
                ownerEnabledInLoop = IsWindowEnabled(owner.GetSafeHwnd()) != FALSE;
            return false;
        };
    }
    void TearDown() override {
        dialog.DestroyWindow();
        owner.DestroyWindow();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    RecordingWindow owner;
    RecordingWindow dialog;
    bool ownerEnabledInLoop = true;
};

} // namespace

TEST_F(ModalLoop, PostedCloseEndsTheLoopWithItsResult) {
    dialog.PostMessageW(WM_APP, 0, 0);
    dialog.PostMessageW(WM_CLOSE, 6, 0);
    EXPECT_EQ(6u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_EQ(1u, dialog.destroyed.size());
    EXPECT_FALSE(ownerEnabledInLoop);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalLoop, DirectDestroyEndsTheLoopWithZero) {
    DestroyOnWmApp(dialog);
    dialog.PostMessageW(WM_APP, 0, 0);
    EXPECT_EQ(0u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalLoop, CloseOfAnotherWindowIsNotTheResult) {
    RecordingWindow other;
    ASSERT_NE(nullptr, other.CreatePopup(kDialogRect));
    DestroyOnWmApp(dialog);
    other.PostMessageW(WM_CLOSE, 9, 0);
    dialog.PostMessageW(WM_APP, 0, 0);
    EXPECT_EQ(0u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    // The loop dispatched the other window's close as well.
    EXPECT_EQ(nullptr, other.GetSafeHwnd());
}

TEST_F(ModalLoop, QuitEndsTheLoopAndIsPostedAgain) {
    dialog.PostMessageW(WM_APP, 0, 0);
    PostQuitMessage(42);
    EXPECT_EQ(0u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(dialog.Received(WM_APP));
    EXPECT_NE(nullptr, dialog.GetSafeHwnd());
    EXPECT_TRUE(owner.IsWindowEnabled());
    MSG msg = {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(42u, msg.wParam);
}

TEST_F(ModalLoop, MessagesThePreTranslationConsumesAreNotDispatched) {
    dialog.swallowed = WM_APP + 1;
    dialog.PostMessageW(WM_APP + 1, 0, 0);
    dialog.PostMessageW(WM_APP, 0, 0);
    dialog.PostMessageW(WM_CLOSE, 1, 0);
    EXPECT_EQ(1u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(dialog.Received(WM_APP));
    EXPECT_FALSE(dialog.Received(WM_APP + 1));
}

TEST(ModalLoopWithoutOwner, ClearsTheFocusWhenItEnds) {
    RecordingWindow focused;
    RecordingWindow dialog;
    ASSERT_NE(nullptr,
              focused.Create(nullptr, L"focus", WS_POPUP | WS_VISIBLE, 0, Vantix::CRect(kOwnerRect)));
    ASSERT_NE(nullptr, dialog.CreatePopup(kDialogRect));
    focused.SetFocus();
    ASSERT_EQ(focused.GetSafeHwnd(), GetFocus());
    // Ended without WM_CLOSE, so only the loop's own ending moves the focus.
    DestroyOnWmApp(dialog);
    dialog.PostMessageW(WM_APP, 0, 0);
    EXPECT_EQ(0u, dialog.ShowModal(SW_SHOWNOACTIVATE));
    EXPECT_EQ(nullptr, GetFocus());
    focused.DestroyWindow();
}

TEST_F(ModalLoop, CloseSentFromAnotherThreadEndsTheLoop) {
    HWND hwnd = dialog.GetSafeHwnd();
    DWORD loopThread = GetCurrentThreadId();
    std::atomic<bool> loopEnded{false};
    std::atomic<bool> neededQuit{false};
    // The close is handled inside GetMessageW, not by the loop itself.
    std::thread closer([&] {
        Sleep(200);
        SendMessageW(hwnd, WM_CLOSE, 6, 0);
    });
    // A loop left waiting would never end on its own: end it, and fail.
    std::thread watchdog([&] {
        for (int i = 0; i < 80 && !loopEnded; ++i)
            Sleep(100);
        if (!loopEnded) {
            neededQuit = true;
            PostThreadMessageW(loopThread, WM_QUIT, 0, 0);
        }
    });
    dialog.ShowModal(SW_SHOWNOACTIVATE);
    loopEnded = true;
    closer.join();
    watchdog.join();
    EXPECT_FALSE(neededQuit);
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_TRUE(owner.IsWindowEnabled());
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
