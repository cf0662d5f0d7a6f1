#include "windows/TrayMenu.h"

#include <string>

#include "windows/PopupMenu.h"

void TrayMenu::AppendItems(HMENU menu, int deviceCount) {
    const std::wstring version = std::wstring(L"Version: ") + THERMIVO_VERSION_TEXT;
    const std::wstring devices = std::to_wstring(deviceCount) + L" Device";
    AppendMenuW(menu, MF_STRING, kVersionItem, version.c_str());
    AppendMenuW(menu, MF_STRING, kDeviceItem, devices.c_str());
    AppendMenuW(menu, MF_STRING, kExitItem, L"Exit");
}

void TrayMenu::Show(HWND window, int deviceCount) {
    PopupMenu menu;
    if (!menu.Get())
        return;
    AppendItems(menu.Get(), deviceCount);
    POINT cursor = {};
    GetCursorPos(&cursor);
    // Without the foreground the menu would stay open when the user clicks elsewhere.
    SetForegroundWindow(window);
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
    // Lets the menu close for good before the next right click (the shell's documented quirk).
    PostMessageW(window, WM_NULL, 0, 0);
}
