// The main window's tray icon: its entry, the mouse events, the menu, and the icon's return after the
// shell restarts or refuses the first add. The shell is a recording stand-in; events come as the tray
// callback message, as the shell sends them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "relay/CHidDeviceManager.h"
#include "windows/MainWindowPlacement.h"
#include "windows/TrayIcon.h"

namespace {

struct MenuItem {
    UINT id;
    std::wstring text;
};

// What the tray menu held when it was open; the timer that reads it closes it again.
struct OpenedMenu {
    bool opened = false;
    std::vector<MenuItem> items;
};

OpenedMenu g_menu;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return;
    KillTimer(nullptr, timer);
    g_menu.opened = true;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int index = 0; index < GetMenuItemCount(menu); ++index) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, index, text, 64, MF_BYPOSITION);
        g_menu.items.push_back({GetMenuItemID(menu, index), text});
    }
    EndMenu();
}

class MainWindowTrayTest : public MainWindowFixture {
protected:
    // Sends a tray event with a timer armed that reads and closes a menu should one open.
    void SendTrayEvent(LPARAM mouseMessage) {
        g_menu = OpenedMenu();
        UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadAndCloseMenu);
        SendMessageW(Window(), TrayIcon::kCallbackMessage, TrayIcon::kId, mouseMessage);
        PumpMessages(100);
        KillTimer(nullptr, timer);
    }

    bool InCorner() const {
        RECT rect = {};
        GetWindowRect(Window(), &rect);
        return MainWindowPlacement::Current() == rect;
    }
};

TEST_F(MainWindowTrayTest, EntryCarriesTheWindowIconTooltipAndCallback) {
    Open();
    ASSERT_EQ(1u, m_recorded.shellCalls.size());
    const NOTIFYICONDATAW& data = m_recorded.shellCalls[0].data;
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), m_recorded.shellCalls[0].message);
    EXPECT_EQ(sizeof(NOTIFYICONDATAW), data.cbSize);
    EXPECT_EQ(Window(), data.hWnd);
    EXPECT_EQ(109u, data.uID);
    EXPECT_EQ(7u, data.uFlags);
    EXPECT_EQ(1690u, data.uCallbackMessage);
    EXPECT_STREQ(L"TEMP", data.szTip);
    EXPECT_NE(nullptr, data.hIcon);
    EXPECT_TRUE(m_window->Tray().IsShown());
}

TEST_F(MainWindowTrayTest, LeftClickShowsTheWindowAndMovesItBackIntoTheCorner) {
    Open();
    MoveWindow(Window(), 100, 100, 340, 250, TRUE);
    ShowWindow(Window(), SW_HIDE);
    SendTrayEvent(WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(InCorner());
    EXPECT_FALSE(g_menu.opened);
}

TEST_F(MainWindowTrayTest, RightClickOffersVersionDeviceCountAndExit) {
    ASSERT_TRUE(m_emulator.IsEmulator());
    m_emulator.Configure("displays=2");
    Open();
    ASSERT_TRUE(PumpUntil([] { return CHidDeviceManager::Instance().GetDeviceCount() == 2; }, 5000));
    SendTrayEvent(WM_RBUTTONUP);
    ASSERT_TRUE(g_menu.opened);
    ASSERT_EQ(3u, g_menu.items.size());
    EXPECT_EQ(203u, g_menu.items[0].id);
    EXPECT_EQ(std::wstring(L"Version: ") + THERMIVO_VERSION_TEXT, g_menu.items[0].text);
    EXPECT_EQ(202u, g_menu.items[1].id);
    EXPECT_EQ(L"2 Device", g_menu.items[1].text);
    EXPECT_EQ(100u, g_menu.items[2].id);
    EXPECT_EQ(L"Exit", g_menu.items[2].text);
}

TEST_F(MainWindowTrayTest, OtherEventsDoNothing) {
    Open();
    ShowWindow(Window(), SW_HIDE);
    for (LPARAM event :
         {LPARAM(WM_RBUTTONDOWN), LPARAM(WM_LBUTTONDBLCLK), LPARAM(WM_LBUTTONUP), LPARAM(50)}) {
        SCOPED_TRACE(event);
        SendTrayEvent(event);
        EXPECT_FALSE(g_menu.opened);
        EXPECT_FALSE(IsWindowVisible(Window()));
    }
}

TEST_F(MainWindowTrayTest, ShellRestartBringsTheIconBack) {
    Open();
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    for (int restart = 1; restart <= 2; ++restart) {
        SendMessageW(Window(), taskbarCreated, 0, 0);
        EXPECT_EQ(1 + restart, m_recorded.Count(NIM_ADD));
    }
    // The restarted shell holds no entry, so none is deleted first.
    EXPECT_EQ(0, m_recorded.Count(NIM_DELETE));
    EXPECT_TRUE(m_window->Tray().IsShown());
}

TEST_F(MainWindowTrayTest, RefusedFirstAddIsTriedAgain) {
    m_recorded.refusedAdds = 1;
    Open();
    EXPECT_EQ(1, m_recorded.Count(NIM_ADD));
    EXPECT_FALSE(m_window->Tray().IsShown());
    EXPECT_TRUE(
        PumpUntil([this] { return m_recorded.Count(NIM_ADD) == 2; }, DeviceMainDlg::kTrayRetryMs + 2000));
    EXPECT_TRUE(m_window->Tray().IsShown());
    // Nothing was shown after the refusal, so nothing was deleted.
    EXPECT_EQ(0, m_recorded.Count(NIM_DELETE));
    PumpMessages(DeviceMainDlg::kTrayRetryMs + 500);
    EXPECT_EQ(2, m_recorded.Count(NIM_ADD)) << "the retry stops once the shell holds the icon";
}

TEST_F(MainWindowTrayTest, TrayTimerAddsTheIconAgainAndMovesTheWindowBack) {
    Open();
    MoveWindow(Window(), 100, 100, 340, 250, TRUE);
    SendMessageW(Window(), WM_TIMER, DeviceMainDlg::kTrayTimer, 0);
    EXPECT_EQ(1, m_recorded.Count(NIM_DELETE));
    EXPECT_EQ(2, m_recorded.Count(NIM_ADD));
    EXPECT_TRUE(InCorner());
}

} // namespace
