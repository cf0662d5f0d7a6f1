// Thermivo.exe as a user runs it, with the server simulator and the display emulator in place of the real
// server and display: single instance, the road of a reading to the display in either unit, the unit
// switch, both ways to end, and what the screen shows.
#include <gtest/gtest.h>

#include "support/DibCanvas.h"
#include "ThermivoRun.h"
#include "relay/ProcessControl.h"

namespace {

const wchar_t kServer[] = L"Probexa.exe";
const DWORD kReadingTimeoutMs = 20000;
const DWORD kExitTimeoutMs = 15000;

bool WaitForServer(bool running) {
    for (int waited = 0; waited < 100; ++waited) {
        if (IsProcessRunning(kServer) == running)
            return true;
        Sleep(100);
    }
    return false;
}

TEST(ThermivoEndToEnd, SecondStartReturnsZeroAtOnceAndLeavesTheFirstAlone) {
    ThermivoRun first(30.0f, L"0");
    ASSERT_TRUE(first.Start());
    HWND window = first.WaitForWindow();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(first.WaitForShown(30, kReadingTimeoutMs));

    UniqueHandle second = ThermivoRun::StartProcess();
    ASSERT_TRUE(second.IsValid());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second.Get(), 10000));
    DWORD code = 99;
    GetExitCodeProcess(second.Get(), &code);
    EXPECT_EQ(0u, code);

    // The first instance still runs its window, its server and its reports.
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsProcessRunning(kServer));
    const int reports = first.ReportCount();
    for (int waited = 0; waited < 50 && first.ReportCount() <= reports + 1; ++waited)
        Sleep(100);
    EXPECT_GT(first.ReportCount(), reports + 1);
    EXPECT_EQ(30, first.LastShown());
}

TEST(ThermivoEndToEnd, DisplayShowsTheSimulatorsValueInTheChosenUnit) {
    struct Case {
        const wchar_t* unit;
        int shown;
    };
    static const Case kCases[] = {{L"0", 30}, {L"1", 86}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shown);
        ThermivoRun run(30.0f, c.unit);
        ASSERT_TRUE(run.Start());
        ASSERT_NE(nullptr, run.WaitForWindow());
        EXPECT_TRUE(run.WaitForShown(c.shown, kReadingTimeoutMs)) << "last shown " << run.LastShown();
    }
}

TEST(ThermivoEndToEnd, ClickOnTheUnitAreaSwitchesTheDigitsSent) {
    ThermivoRun run(30.0f, L"0");
    ASSERT_TRUE(run.Start());
    HWND window = run.WaitForWindow();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(run.WaitForShown(30, kReadingTimeoutMs));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 170));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 170));
    EXPECT_TRUE(run.WaitForShown(86, 5000)) << "last shown " << run.LastShown();
}

struct Ending {
    const char* how;
    UINT message;
    WPARAM wParam;
    DWORD exitCode;
    bool serverLeftRunning;
};

// Closing the window is a normal shutdown that takes the server along; the tray menu's "Exit" (command
// 100) ends with zero and leaves the server to whoever uses it.
static const Ending kEndings[] = {
    {"closing the window", WM_CLOSE, 0, 1, false},
    {"the tray menu's Exit", WM_COMMAND, 100, 0, true},
};

TEST(ThermivoEndToEnd, WindowCloseStopsTheServerAndTrayExitLeavesItRunning) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.how);
        ThermivoRun run(30.0f, L"0");
        ASSERT_TRUE(run.Start());
        HWND window = run.WaitForWindow();
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(WaitForServer(true));
        PostMessageW(window, ending.message, ending.wParam, 0);
        DWORD code = 99;
        ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs, code));
        EXPECT_EQ(ending.exitCode, code);
        EXPECT_EQ(ending.serverLeftRunning, IsProcessRunning(kServer));
    }
}

TEST(ThermivoEndToEnd, ScreensBottomRightCornerShowsTheWindowWithTheTemperature) {
    ThermivoRun run(30.0f, L"0");
    ASSERT_TRUE(run.Start());
    HWND window = run.WaitForWindow();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(run.WaitForShown(30, kReadingTimeoutMs));
    Sleep(1500); // the window repaints with each tick
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int width = 420;
    const int height = 300;
    DibCanvas shot(width, height);
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(
        BitBlt(shot.Dc(), 0, 0, width, height, screen, screenWidth - width, screenHeight - height, SRCCOPY));
    ReleaseDC(nullptr, screen);
    shot.SaveArtifact(L"e2e_screen_corner.png", true);

    // The window, in shot coordinates.
    const int left = rect.left - (screenWidth - width);
    const int top = rect.top - (screenHeight - height);
    ASSERT_GE(left, 0);
    ASSERT_GE(top, 0);
    auto bright = [](uint32_t pixel) {
        return RedOf(pixel) > 200 && GreenOf(pixel) > 200 && BlueOf(pixel) > 200;
    };
    auto panel = [](uint32_t pixel) { return BlueOf(pixel) > 12 && BlueOf(pixel) < 60 && RedOf(pixel) < 60; };
    // The digits, white and large, in the middle of the window.
    const RECT digits = {left + 110, top + 95, left + 240, top + 160};
    EXPECT_GT(shot.Count(digits, bright), 300);
    // The dark panel around them, and the lit Celsius half of the unit toggle.
    const RECT body = {left + 20, top + 60, left + 320, top + 90};
    EXPECT_GT(shot.Count(body, panel), 5000);
    EXPECT_GT(BlueOf(shot.Pixel(left + 125, top + 188)), 0x90);
}

} // namespace
