// ThermivoCtl.exe: drives the running Thermivo's main window (the top-level window that carries the window
// property "TEMP") the way the system does, for scripts that have no window manager, tray or power events.
//   close      posts WM_CLOSE and waits up to 10 seconds for the process to end
//   resume     posts the resume-from-sleep broadcast
//   tray-menu  right-clicks the tray icon (its callback message), waits for the menu and closes it with Esc
// Exit code 0 when done, 1 when no such window exists, 2 when Thermivo did not do its part in time (did not
// end, showed no menu, kept it open), 3 for unknown arguments.
#include <windows.h>

#include "windows/TrayIcon.h"

#include <cstdio>
#include <cwchar>

namespace {

const DWORD kWaitMs = 10000;
const DWORD kPollMs = 50;

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
    if (GetPropW(window, L"TEMP") != reinterpret_cast<HANDLE>(1))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND MainWindow() {
    HWND window = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&window));
    if (!window)
        std::fwprintf(stderr, L"ThermivoCtl: Thermivo's window was not found\n");
    return window;
}

int CloseMainWindow() {
    HWND window = MainWindow();
    if (!window)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD waited = process ? WaitForSingleObject(process, kWaitMs) : WAIT_FAILED;
    if (process)
        CloseHandle(process);
    if (waited == WAIT_OBJECT_0)
        return 0;
    std::fwprintf(stderr, L"ThermivoCtl: Thermivo did not end within %lu ms\n", kWaitMs);
    return 2;
}

int PostResume() {
    HWND window = MainWindow();
    if (!window)
        return 1;
    PostMessageW(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    return 0;
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

// Polls until found() holds or the wait is over.
template <typename Condition> bool WaitFor(Condition found) {
    for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
        if (found())
            return true;
        Sleep(kPollMs);
    }
    return found();
}

int OpenAndCloseTrayMenu() {
    HWND window = MainWindow();
    if (!window)
        return 1;
    PostMessageW(window, TrayIcon::kCallbackMessage, TrayIcon::kId, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = MenuOf(window)) != nullptr; })) {
        std::fwprintf(stderr, L"ThermivoCtl: no tray menu appeared\n");
        return 2;
    }
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!WaitFor([&] { return MenuOf(window) == nullptr; })) {
        std::fwprintf(stderr, L"ThermivoCtl: the tray menu stayed open after Esc\n");
        return 2;
    }
    return 0;
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
    return 3;
}
