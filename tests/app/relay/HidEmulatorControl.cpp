#include "HidEmulatorControl.h"

#include <windows.h>

namespace {

template <typename Function> Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

HidEmulatorControl::HidEmulatorControl() {
    HMODULE hidapi = GetModuleHandleW(L"hidapi.dll");
    if (!hidapi)
        return;
    m_shown = Lookup<hidemu_shown_fn>(hidapi, "hidemu_shown");
    m_reportCount = Lookup<hidemu_report_count_fn>(hidapi, "hidemu_report_count");
    m_report = Lookup<hidemu_report_fn>(hidapi, "hidemu_report");
    m_readCount = Lookup<hidemu_read_count_fn>(hidapi, "hidemu_read_count");
    m_openHandles = Lookup<hidemu_open_handles_fn>(hidapi, "hidemu_open_handles");
    m_unplug = Lookup<hidemu_unplug_fn>(hidapi, "hidemu_unplug");
    if (m_shown && m_reportCount && m_report && m_readCount && m_openHandles && m_unplug)
        m_configure = Lookup<hidemu_configure_fn>(hidapi, "hidemu_configure");
}

std::vector<unsigned char> HidEmulatorControl::Report(int display, int index) const {
    std::vector<unsigned char> report(128);
    int length = m_report(display, index, report.data(), static_cast<int>(report.size()));
    report.resize(length < 0 ? 0 : length);
    return report;
}
