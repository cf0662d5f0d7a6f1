#include <gtest/gtest.h>

#include <windows.h>

#include "RecordingWindow.h"

using Vantix::CRect;

namespace {

CRect WorkArea() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return CRect(monitor.rcWork);
}

CRect WindowRect(const RecordingWindow& window) {
    RECT rect = {};
    window.GetWindowRect(&rect);
    return CRect(rect);
}

// Popups of the given size, placed away from where centring puts them.
class Centring : public testing::Test {
protected:
    void TearDown() override {
        window.DestroyWindow();
        reference.DestroyWindow();
    }
    void MakeWindow(int width, int height, HWND owner = nullptr) {
        ASSERT_NE(nullptr, window.CreatePopup(CRect(3, 3, 3 + width, 3 + height), owner));
    }
    void MakeReference(const CRect& rect, bool visible) {
        DWORD style = WS_POPUP | (visible ? WS_VISIBLE : 0);
        ASSERT_NE(nullptr, reference.Create(nullptr, L"reference", style, WS_EX_NOACTIVATE, rect));
    }

    RecordingWindow window;
    RecordingWindow reference;
    CRect area = WorkArea();
};

} // namespace

TEST_F(Centring, WithoutReferenceCentresOnTheWorkArea) {
    MakeWindow(201, 101);
    window.CenterWindow();
    CRect placed = WindowRect(window);
    EXPECT_EQ((area.left + area.right) / 2 - 100, placed.left);
    EXPECT_EQ((area.top + area.bottom) / 2 - 50, placed.top);
    EXPECT_EQ(CRect(0, 0, 201, 101).Size(), placed.Size());
}

TEST_F(Centring, WindowWiderThanTheWorkAreaStartsAtItsLeftEdge) {
    MakeWindow(area.Width() + 300, 100);
    window.CenterWindow();
    CRect placed = WindowRect(window);
    EXPECT_EQ(area.Width() + 300, placed.Width());
    EXPECT_EQ(area.left, placed.left);
    EXPECT_EQ((area.top + area.bottom) / 2 - 50, placed.top);
}

TEST_F(Centring, CentresOnAVisibleReferenceAndStaysInsideTheArea) {
    MakeReference(CRect(area.left + 100, area.top + 100, area.left + 300, area.top + 200), true);
    MakeWindow(100, 50);
    window.CenterWindow(&reference);
    EXPECT_EQ(CRect(area.left + 150, area.top + 125, area.left + 250, area.top + 175), WindowRect(window));

    reference.MoveWindow(area.right - 60, area.bottom - 20, 100, 40, FALSE);
    window.CenterWindow(&reference);
    EXPECT_EQ(CRect(area.right - 100, area.bottom - 50, area.right, area.bottom), WindowRect(window));
}

TEST_F(Centring, HiddenOwnerIsIgnored) {
    MakeReference(CRect(area.left + 10, area.top + 10, area.left + 50, area.top + 50), false);
    MakeWindow(100, 60, reference.GetSafeHwnd());
    window.CenterWindow();
    CRect placed = WindowRect(window);
    EXPECT_EQ((area.left + area.right) / 2 - 50, placed.left);
    EXPECT_EQ((area.top + area.bottom) / 2 - 30, placed.top);
}

TEST_F(Centring, ChildCentresInItsParentsClientArea) {
    MakeReference(CRect(0, 0, 400, 300), false);
    RecordingWindow child;
    ASSERT_NE(nullptr, child.Create(reference.GetSafeHwnd(), L"child", WS_CHILD, 0, CRect(0, 0, 100, 50)));
    child.CenterWindow();
    RECT rect = {};
    child.GetWindowRect(&rect);
    reference.ScreenToClient(&rect);
    EXPECT_EQ(CRect(150, 125, 250, 175), CRect(rect));
}

TEST(BringToTop, RestoresAMinimisedWindowAndMakesItForeground) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.Create(nullptr, L"top", WS_OVERLAPPEDWINDOW, 0, CRect(10, 10, 210, 110)));
    window.ShowWindow(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(window.IsIconic());
    window.BringToTop();
    EXPECT_FALSE(window.IsIconic());
    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_EQ(window.GetSafeHwnd(), GetForegroundWindow());
    window.DestroyWindow();
}
