// Fixture for the main window tests: a settings key and a shared record of the test's own, the display
// emulator with one display, update checks that fail at once, and the window created on request.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HidEmulatorControl.h"
#include "RecordWriter.h"
#include "TestMainWindow.h"
#include "core/PaintBuffer.h"

class MainWindowFixture : public testing::Test {
protected:
    // Points on the unit toggle of the backgrounds: lit purple on the chosen unit's half, dark on the other.
    static constexpr int kCelsiusProbeX = 125;
    static constexpr int kFahrenheitProbeX = 225;
    static constexpr int kProbeY = 188;

    MainWindowFixture();
    ~MainWindowFixture() override;

    // Creates the window (its initialisation runs) and lets the first messages through.
    void Open();
    HWND Window() const { return m_window->GetSafeHwnd(); }
    void WriteSetting(const wchar_t* name, const wchar_t* text) const;
    int ReadSetting(const wchar_t* name) const;
    // Sends a mouse message with the client point packed as lParam.
    void Mouse(UINT msg, int x, int y) const;
    // The client area as the next paint would show it.
    Vantix::PaintBuffer Render() const;
    // True when the probe point of that unit is lit in the rendered frame.
    bool UnitLit(int probeX) const;
    // Pumps until the worker has run its first device refresh (the record is mapped).
    bool WaitForRefresh() const;

    std::wstring m_settingsKey;
    std::string m_recordName;
    RecordWriter m_record;
    HidEmulatorControl m_emulator;
    RecordedServices m_recorded;
    std::unique_ptr<TestMainWindow> m_window;
};
