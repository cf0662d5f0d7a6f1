#include "shell/LiveCountReporter.h"

#include <cstdio>

#include "core/LiveObjectCount.h"
#include "shell/KernelHandleCount.h"

LiveCountReporter::LiveCountReporter() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"THERMIVO_STATS_FILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    m_path = path;
    m_stop = UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (m_stop.IsValid())
        m_thread = UniqueHandle(CreateThread(nullptr, 0, ReportLoop, this, 0, nullptr));
}

LiveCountReporter::~LiveCountReporter() {
    if (!m_thread.IsValid())
        return;
    SetEvent(m_stop.Get());
    WaitForSingleObject(m_thread.Get(), INFINITE);
}

void LiveCountReporter::WriteSample() const {
    FILE* file = _wfopen(m_path.c_str(), L"ab"); // binary: plain line ends for the soak script
    if (!file)
        return;
    std::fprintf(file, "gdi=%ld gdiplus=%ld handles=%ld\n", Vantix::GdiLiveObjects(),
                 Vantix::GdiplusLiveObjects(), KernelHandleCount::Live());
    std::fclose(file);
}

DWORD WINAPI LiveCountReporter::ReportLoop(LPVOID self) {
    auto* reporter = static_cast<LiveCountReporter*>(self);
    do
        reporter->WriteSample();
    while (WaitForSingleObject(reporter->m_stop.Get(), kIntervalMs) == WAIT_TIMEOUT);
    return 0;
}
