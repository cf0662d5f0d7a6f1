// ThermivoCtl.exe close: posts WM_CLOSE to the running Thermivo's main window (the top-level window that
// carries the window property "TEMP") and waits up to 10 seconds for the process to end. Exit code 0 when
// it ended, 1 when no such window exists, 2 when the process is still running, 3 for unknown arguments.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const DWORD kWaitMs = 10000;

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
    if (GetPropW(window, L"TEMP") != reinterpret_cast<HANDLE>(1))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

int CloseMainWindow() {
    HWND window = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&window));
    if (!window) {
        std::fwprintf(stderr, L"ThermivoCtl: Thermivo's window was not found\n");
        return 1;
    }
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

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0)
        return CloseMainWindow();
    std::fwprintf(stderr, L"usage: ThermivoCtl close\n");
    return 3;
}
