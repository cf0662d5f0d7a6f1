// The tray entry on its own, against a recording shell: what is added, and that only an entry the shell
// holds is ever deleted.
#include <gtest/gtest.h>

#include <vector>

#include "windows/SkinFolder.h"
#include "windows/TrayIcon.h"

namespace {

class TrayIconTest : public testing::Test {
protected:
    TrayIcon::ShellFunction Shell() {
        return [this](DWORD message, NOTIFYICONDATAW* data) {
            calls.push_back(message);
            icons.push_back(data->hIcon);
            const bool held = holds;
            if (message == NIM_ADD && !refuse)
                holds = true;
            else if (message == NIM_DELETE)
                holds = false;
            return message == NIM_ADD ? !refuse : held;
        };
    }

    int Count(DWORD message) const {
        int count = 0;
        for (DWORD call : calls)
            count += call == message ? 1 : 0;
        return count;
    }

    HWND m_window = reinterpret_cast<HWND>(0x1234);
    HICON m_fallback = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    std::vector<DWORD> calls;
    std::vector<HICON> icons;
    bool refuse = false; // every add fails
    bool holds = false;  // the shell shows the entry
};

TEST_F(TrayIconTest, AddLoadsTheSkinIcon) {
    TrayIcon tray(Shell(), GetSkinFolder() + L"Thermivo.ico", m_fallback);
    EXPECT_TRUE(tray.Add(m_window));
    ASSERT_EQ(1u, calls.size());
    EXPECT_NE(nullptr, icons[0]);
    EXPECT_NE(m_fallback, icons[0]);
    EXPECT_EQ(m_window, tray.Data().hWnd);
}

TEST_F(TrayIconTest, MissingIconFileStillGivesAnEntryThatCanBeRemoved) {
    {
        TrayIcon tray(Shell(), L"C:\\no such folder\\Thermivo.ico", m_fallback);
        EXPECT_TRUE(tray.Add(m_window));
        EXPECT_NE(nullptr, icons[0]);
        EXPECT_TRUE(tray.IsShown());
    }
    // The destructor took the entry away.
    EXPECT_EQ(1, Count(NIM_DELETE));
}

TEST_F(TrayIconTest, OnlyAnEntryTheShellHoldsIsDeleted) {
    TrayIcon tray(Shell(), GetSkinFolder() + L"Thermivo.ico", m_fallback);
    tray.Remove();
    EXPECT_EQ(0, Count(NIM_DELETE));
    tray.Add(m_window);
    tray.Add(m_window);
    EXPECT_EQ(1, Count(NIM_ADD)) << "a shown entry is not added twice";
    tray.Remove();
    tray.Remove();
    EXPECT_EQ(1, Count(NIM_DELETE));
}

TEST_F(TrayIconTest, RefusedAddLeavesNothingToDelete) {
    TrayIcon tray(Shell(), GetSkinFolder() + L"Thermivo.ico", m_fallback);
    refuse = true;
    EXPECT_FALSE(tray.Add(m_window));
    EXPECT_FALSE(tray.IsShown());
    tray.Remove();
    EXPECT_EQ(0, Count(NIM_DELETE));
    refuse = false;
    EXPECT_TRUE(tray.Add(m_window));
    EXPECT_EQ(2, Count(NIM_ADD));
}

TEST_F(TrayIconTest, RefusedAddOfAnEntryTheShellShowsAfterAllCountsAsShown) {
    TrayIcon tray(Shell(), GetSkinFolder() + L"Thermivo.ico", m_fallback);
    refuse = true;
    holds = true;
    EXPECT_TRUE(tray.Add(m_window));
    EXPECT_EQ(1, Count(NIM_MODIFY));
    tray.Remove();
    EXPECT_EQ(1, Count(NIM_DELETE));
}

TEST_F(TrayIconTest, ForgottenEntryIsAddedAgainWithoutADelete) {
    TrayIcon tray(Shell(), GetSkinFolder() + L"Thermivo.ico", m_fallback);
    tray.Add(m_window);
    tray.Forget();
    EXPECT_FALSE(tray.IsShown());
    EXPECT_TRUE(tray.Add(m_window));
    EXPECT_EQ(2, Count(NIM_ADD));
    EXPECT_EQ(0, Count(NIM_DELETE));
}

} // namespace
