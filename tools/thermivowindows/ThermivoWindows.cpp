#include "ThermivoWindows.h"

namespace {

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
    if (GetPropW(window, L"TEMP") != reinterpret_cast<HANDLE>(1))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

HWND ThermivoWindows::MainWindow() {
    HWND window = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&window));
    return window;
}

ThermivoWindows::CloseResult ThermivoWindows::CloseMainWindow(DWORD timeoutMs) {
    HWND window = MainWindow();
    if (!window)
        return NO_WINDOW;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const DWORD waited = process ? WaitForSingleObject(process, timeoutMs) : WAIT_FAILED;
    if (process)
        CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? CLOSED : STILL_RUNNING;
}

HWND ThermivoWindows::VisibleMessageBox() {
    HWND box = FindWindowW(L"MWindow", L"MessageBox");
    return box && IsWindowVisible(box) ? box : nullptr;
}

POINT ThermivoWindows::ButtonCentre(HWND box, Button button) {
    RECT client = {};
    GetClientRect(box, &client);
    const LONG middle = (client.right - client.left) / 2;
    const LONG offsets[] = {-70, 70, 0};
    POINT centre = {middle + offsets[button], client.bottom - 25};
    return centre;
}
