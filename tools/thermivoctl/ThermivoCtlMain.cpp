// ThermivoCtl.exe: drives the running Thermivo's main window (the top-level window that carries the window
// property "TEMP") the way the system does, for scripts that have no window manager, tray or power events.
//   close      posts WM_CLOSE and waits up to 10 seconds for the process to end
//   resume     posts the resume-from-sleep broadcast
//   tray-menu  right-clicks the tray icon (its callback message), waits for the menu and closes it with Esc
// Exit code 0 when done, 1 when no such window exists, 2 when Thermivo did not do its part in time (did not
// end, showed no menu, kept it open), 3 for unknown arguments.
#include <windows.h>

#include "ThermivoWindows.h"
#include "windows/TrayIcon.h"

#include <cstdio>
#include <cwchar>

namespace {

const DWORD kWaitMs = 10000;

enum ExitCode { DONE = 0, NOT_FOUND = 1, NO_REACTION = 2, USAGE = 3 };

HWND MainWindow() {
    HWND window = ThermivoWindows::MainWindow();
    if (!window)
        std::fwprintf(stderr, L"ThermivoCtl: Thermivo's window was not found\n");
    return window;
}

int CloseMainWindow() {
    const ThermivoWindows::CloseResult result = ThermivoWindows::CloseMainWindow(kWaitMs);
    if (result == ThermivoWindows::NO_WINDOW)
        std::fwprintf(stderr, L"ThermivoCtl: Thermivo's window was not found\n");
    else if (result == ThermivoWindows::STILL_RUNNING)
        std::fwprintf(stderr, L"ThermivoCtl: Thermivo did not end within %lu ms\n", kWaitMs);
    return result;
}

int PostResume() {
    HWND window = MainWindow();
    if (!window)
        return NOT_FOUND;
    PostMessageW(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    return DONE;
}

// A visible menu window of the thread that owns window, or null.
HWND MenuOf(HWND window) {
    DWORD owner = GetWindowThreadProcessId(window, nullptr);
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr))
        if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == owner)
            return menu;
    return nullptr;
}

int OpenAndCloseTrayMenu() {
    HWND window = MainWindow();
    if (!window)
        return NOT_FOUND;
    PostMessageW(window, TrayIcon::kCallbackMessage, TrayIcon::kId, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!ThermivoWindows::WaitFor(kWaitMs, [&] { return (menu = MenuOf(window)) != nullptr; })) {
        std::fwprintf(stderr, L"ThermivoCtl: no tray menu appeared\n");
        return NO_REACTION;
    }
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!ThermivoWindows::WaitFor(kWaitMs, [&] { return MenuOf(window) == nullptr; })) {
        std::fwprintf(stderr, L"ThermivoCtl: the tray menu stayed open after Esc\n");
        return NO_REACTION;
    }
    return DONE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0)
        return CloseMainWindow();
    if (argc == 2 && std::wcscmp(argv[1], L"resume") == 0)
        return PostResume();
    if (argc == 2 && std::wcscmp(argv[1], L"tray-menu") == 0)
        return OpenAndCloseTrayMenu();
    std::fwprintf(stderr, L"usage: ThermivoCtl close | resume | tray-menu\n");
    return USAGE;
}
