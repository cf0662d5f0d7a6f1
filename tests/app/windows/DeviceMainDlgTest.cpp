// The main window: initialisation, clicks, hover, the Fahrenheit start, timers and the window commands.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "RectPrinting.h"
#include "relay/CHidDeviceManager.h"
#include "relay/TemperatureRecord.h"
#include "windows/MainWindowPlacement.h"

namespace {

using DeviceMainDlgTest = MainWindowFixture;

TEST_F(DeviceMainDlgTest, InitialisationStartsEverythingAndMarksTheWindow) {
    Open();
    EXPECT_EQ(1, m_recorded.taskRegistrations);
    EXPECT_EQ(1, m_recorded.serverStarts);
    EXPECT_EQ(1, m_recorded.Count(NIM_ADD));
    EXPECT_EQ(reinterpret_cast<HANDLE>(1), GetPropW(Window(), L"TEMP"));
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_NE(0u, GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(0u, GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT rect = {};
    GetWindowRect(Window(), &rect);
    EXPECT_EQ(MainWindowPlacement::Current(), Vantix::CRect(rect));
    EXPECT_TRUE(m_window->IsRunning());
    // A first run stores the LED setting.
    EXPECT_EQ(1, ReadSetting(L"led_switch"));
    EXPECT_TRUE(WaitForRefresh());
}

TEST_F(DeviceMainDlgTest, ClicksSwitchTheUnitHideOrOnlyRepaint) {
    struct Case {
        int x, y;
        int unitAfter;
        bool visibleAfter;
    };
    static const Case kCases[] = {
        {40, 155, 1, true},  // the unit area's top-left corner is inside
        {300, 210, 0, true}, // its right and bottom edges are outside
        {10, 10, 0, true},   // the background only repaints
        {299, 209, 1, true}, // the last pixel inside
        {295, 25, 0, false}, // the close button hides the window
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "click at " << c.x << "," << c.y);
        Open();
        PumpMessages(100);
        const int paintsBefore = m_window->paints;
        Mouse(WM_LBUTTONDOWN, c.x, c.y);
        Mouse(WM_LBUTTONUP, c.x, c.y);
        EXPECT_EQ(c.unitAfter, m_window->TemperatureUnit());
        EXPECT_EQ(c.unitAfter, m_window->Worker().GetTemperatureUnit());
        EXPECT_EQ(c.unitAfter, ReadSetting(L"tempe_type"));
        EXPECT_EQ(c.visibleAfter, IsWindowVisible(Window()) != FALSE);
        EXPECT_EQ(c.unitAfter == 0, UnitLit(kCelsiusProbeX));
        EXPECT_EQ(c.unitAfter != 0, UnitLit(kFahrenheitProbeX));
        if (c.visibleAfter) {
            EXPECT_TRUE(PumpUntil([&] { return m_window->paints > paintsBefore; }, 2000));
        }
        m_window.reset();
        WriteSetting(L"tempe_type", L"0");
    }
}

TEST_F(DeviceMainDlgTest, SecondClickOnTheUnitAreaSwitchesBack) {
    Open();
    Mouse(WM_LBUTTONDOWN, 150, 180);
    Mouse(WM_LBUTTONDOWN, 150, 180);
    EXPECT_EQ(0, m_window->TemperatureUnit());
    EXPECT_EQ(0, ReadSetting(L"tempe_type"));
    EXPECT_TRUE(UnitLit(kCelsiusProbeX));
}

TEST_F(DeviceMainDlgTest, HoverInAndOutOfTheCloseButtonRepaintsTwice) {
    Open();
    PumpMessages(300);
    const int before = m_window->paints;
    Mouse(WM_MOUSEMOVE, 300, 30);
    PumpMessages(200);
    EXPECT_EQ(before + 1, m_window->paints) << "moving in";
    Mouse(WM_MOUSEMOVE, 305, 35);
    PumpMessages(200);
    EXPECT_EQ(before + 1, m_window->paints) << "moving within";
    Mouse(WM_MOUSEMOVE, 100, 100);
    PumpMessages(200);
    EXPECT_EQ(before + 2, m_window->paints) << "moving out";
}

TEST_F(DeviceMainDlgTest, StartingInFahrenheitShowsAndSendsFahrenheitFromTheFirstTick) {
    ASSERT_TRUE(m_emulator.IsEmulator());
    WriteSetting(L"tempe_type", L"1");
    m_record.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, 30.0f);
    Open();
    EXPECT_TRUE(UnitLit(kFahrenheitProbeX));
    EXPECT_FALSE(UnitLit(kCelsiusProbeX));
    ASSERT_TRUE(PumpUntil([this] { return m_emulator.Shown(1) >= 0; }, 5000));
    // The first temperature report (a firmware query would carry FD in byte 1) is already Fahrenheit.
    for (int index = 0; index < m_emulator.ReportCount(1); ++index) {
        std::vector<unsigned char> report = m_emulator.Report(1, index);
        ASSERT_GE(report.size(), 6u);
        if (report[1] != 0xFF)
            continue;
        EXPECT_EQ(0, report[3]);
        EXPECT_EQ(8, report[4]);
        EXPECT_EQ(6, report[5]);
        break;
    }
    EXPECT_EQ(86, m_emulator.Shown(1));
}

TEST_F(DeviceMainDlgTest, UnitSwitchReachesTheDisplayOnTheNextTick) {
    ASSERT_TRUE(m_emulator.IsEmulator());
    m_record.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, 30.0f);
    Open();
    ASSERT_TRUE(PumpUntil([this] { return m_emulator.Shown(1) == 30; }, 5000));
    Mouse(WM_LBUTTONDOWN, 150, 180);
    EXPECT_TRUE(PumpUntil([this] { return m_emulator.Shown(1) == 86; }, 3000));
}

TEST_F(DeviceMainDlgTest, ServerWatchTimerRestartsASilentServer) {
    Open();
    ASSERT_TRUE(WaitForRefresh());
    const int starts = m_recorded.serverStarts;
    m_record.WriteFloat(TemperatureRecord::kServerStatusOffset, 0.0f);
    SendMessageW(Window(), WM_TIMER, DeviceMainDlg::kServerWatchTimer, 0);
    EXPECT_EQ(starts + 1, m_recorded.serverStarts);
    m_record.WriteFloat(TemperatureRecord::kServerStatusOffset, 1.0f);
    SendMessageW(Window(), WM_TIMER, DeviceMainDlg::kServerWatchTimer, 0);
    EXPECT_EQ(starts + 1, m_recorded.serverStarts);
}

TEST_F(DeviceMainDlgTest, ClosingTheWindowTakesTheTrayIconAndTheMarkAway) {
    Open();
    HWND window = Window();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(1, m_recorded.Count(NIM_DELETE));
    m_window.reset();
    EXPECT_EQ(1, m_recorded.Count(NIM_DELETE));
}

TEST_F(DeviceMainDlgTest, DownloadProgressIsNotAMouseEventOfTheTray) {
    Open();
    ShowWindow(Window(), SW_HIDE);
    // Progress values pass 100 and may equal a mouse code; they come on a message of their own.
    SendMessageW(Window(), WM_USER + 667, 0, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(Window()));
}

} // namespace
