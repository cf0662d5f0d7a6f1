// Reaches the display emulator's control functions in the loaded hidapi.dll (see HidEmuControl.h).
#pragma once

#include <string>
#include <vector>

#include "../../../tools/hidemu/HidEmuControl.h"

class HidEmulatorControl {
public:
    HidEmulatorControl();

    // False when hidapi.dll is not the emulator.
    bool IsEmulator() const { return m_configure != nullptr; }
    bool Configure(const std::string& settings) const { return m_configure(settings.c_str()) == 0; }
    int Shown(int display) const { return m_shown(display); }
    int ReportCount(int display) const { return m_reportCount(display); }
    std::vector<unsigned char> Report(int display, int index) const;
    int ReadCount(int display) const { return m_readCount(display); }
    int OpenHandles() const { return m_openHandles(); }
    bool Unplug(int display) const { return m_unplug(display) == 0; }

private:
    hidemu_configure_fn m_configure = nullptr;
    hidemu_shown_fn m_shown = nullptr;
    hidemu_report_count_fn m_reportCount = nullptr;
    hidemu_report_fn m_report = nullptr;
    hidemu_read_count_fn m_readCount = nullptr;
    hidemu_open_handles_fn m_openHandles = nullptr;
    hidemu_unplug_fn m_unplug = nullptr;
};
