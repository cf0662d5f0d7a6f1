// The tray icon's right-click menu: the version, the number of open displays and "Exit".
#pragma once

#include <windows.h>

class TrayMenu {
public:
    enum ItemId : UINT { kExitItem = 100, kDeviceItem = 202, kVersionItem = 203 };

    // Appends the three items to menu, the device item counting deviceCount displays.
    static void AppendItems(HMENU menu, int deviceCount);
    // Shows the menu at the cursor until the user chooses or clicks elsewhere; the chosen item reaches
    // window as WM_COMMAND with its identifier.
    static void Show(HWND window, int deviceCount);
};
