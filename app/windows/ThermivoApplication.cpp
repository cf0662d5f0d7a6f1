#include "windows/ThermivoApplication.h"

#include <gdiplus.h>
#include <objbase.h>
#include <ole2.h>

#include <memory>

#include "core/Manager.h"
#include "relay/ProcessControl.h"
#include "shell/DebugPrivilege.h"
#include "shell/LiveCountReporter.h"
#include "windows/DeviceMainDlg.h"
#include "windows/SingleInstance.h"

namespace {

const wchar_t kApplicationKey[] = L"TEMP";
const wchar_t kServerProgram[] = L"Probexa.exe";
const int kMinimumUnscaledWidth = 1400;
const int kMinimumUnscaledHeight = 800;

} // namespace

bool ThermivoApplication::ShouldBeDpiAware(int screenWidth, int screenHeight) {
    return screenWidth < kMinimumUnscaledWidth || screenHeight < kMinimumUnscaledHeight;
}

int ThermivoApplication::Run(HINSTANCE instance) {
    SingleInstance single(kApplicationKey);
    if (!single.IsFirst())
        return 0;
    if (ShouldBeDpiAware(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
        SetProcessDPIAware();
    EnableDebugPrivilege();
    KillProcessByName(kServerProgram);
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    Vantix::Manager::SetInstance(instance);
    CoInitialize(nullptr);
    OleInitialize(nullptr);

    // Off unless a soak run names a file for it.
    LiveCountReporter liveCounts;
    auto window = std::make_unique<DeviceMainDlg>();
    window->Run();

    KillProcessByName(kServerProgram);
    window->StopWorker();
    CoUninitialize();
    OleUninitialize();
    // Waits for a worker still inside a command: the window object holds everything it uses.
    window.reset();
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return 1;
}
