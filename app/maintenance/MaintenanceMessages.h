// Window messages and worker command codes through which the update flow talks to the main window.
#pragma once

#include <windows.h>

// Posted to the main window when a check has an outcome: wParam 1 software / 2 firmware, lParam 1 newer.
const UINT WM_UPDATE_RESULT = WM_USER + 668;
// Posted to the main window while a package downloads (wParam 0, lParam the progress value). It has a
// number of its own: on the tray callback message a progress value above 100 could pass for a mouse code.
const UINT WM_DOWNLOAD_PROGRESS = WM_USER + 667;

// Result kinds carried in wParam of WM_UPDATE_RESULT.
const WPARAM UPDATE_KIND_SOFTWARE = 1;
const WPARAM UPDATE_KIND_FIRMWARE = 2;

// Relay worker commands that belong to the update flow.
enum MaintenanceCommand {
    COMMAND_MANUAL_SOFTWARE_CHECK = 3,
    COMMAND_MANUAL_FIRMWARE_CHECK = 4,
    COMMAND_AUTO_SOFTWARE_CHECK = 5,
    COMMAND_AUTO_FIRMWARE_CHECK = 6,
    COMMAND_SOFTWARE_UPDATE = 7,
    COMMAND_FIRMWARE_UPDATE = 8,
};
