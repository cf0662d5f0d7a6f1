// ReleaseDriver.exe: does what a user of a running Thermivo does, for scripts without a window manager.
//   wait-main MS       waits for the main window
//   check-software     asks for a manual software check (WM_COMMAND 102 to the main window)
//   locate BUTTON MS   waits for the message box and prints the screen point "x y" of the middle of its
//                      button YES, NO or OK
//   wait-no-box MS     waits until no message box is shown
//   close MS           closes the main window and waits for its process to end
// Exit codes: 0 done, 1 the window did not appear, 2 it did not react in time, 3 unknown arguments.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "ThermivoWindows.h"

namespace {

const WPARAM kSoftwareCheckCommand = 102;

enum ExitCode { DONE = 0, NOT_FOUND = 1, NO_REACTION = 2, USAGE = 3 };

int WaitMain(DWORD timeoutMs) {
    return ThermivoWindows::WaitFor(timeoutMs, [] { return ThermivoWindows::MainWindow() != nullptr; })
               ? DONE
               : NOT_FOUND;
}

int CheckSoftware() {
    HWND window = ThermivoWindows::MainWindow();
    if (!window)
        return NOT_FOUND;
    return PostMessageW(window, WM_COMMAND, kSoftwareCheckCommand, 0) ? DONE : NO_REACTION;
}

// Prints the screen point at the middle of the button, for a real click there.
int Locate(ThermivoWindows::Button button, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!ThermivoWindows::WaitFor(timeoutMs, [&box] { return (box = ThermivoWindows::VisibleMessageBox()); }))
        return NOT_FOUND;
    POINT centre = ThermivoWindows::ButtonCentre(box, button);
    ClientToScreen(box, &centre);
    std::printf("%ld %ld\n", centre.x, centre.y);
    return DONE;
}

int WaitNoBox(DWORD timeoutMs) {
    return ThermivoWindows::WaitFor(timeoutMs, [] { return ThermivoWindows::VisibleMessageBox() == nullptr; })
               ? DONE
               : NO_REACTION;
}

DWORD Milliseconds(const wchar_t* text) {
    return static_cast<DWORD>(std::wcstoul(text, nullptr, 10));
}

bool Is(const wchar_t* argument, const wchar_t* name) {
    return std::wcscmp(argument, name) == 0;
}

bool ButtonNamed(const wchar_t* name, ThermivoWindows::Button& button) {
    static const struct {
        const wchar_t* name;
        ThermivoWindows::Button button;
    } kButtons[] = {
        {L"YES", ThermivoWindows::YES}, {L"NO", ThermivoWindows::NO}, {L"OK", ThermivoWindows::OK}};
    for (const auto& known : kButtons) {
        if (Is(name, known.name)) {
            button = known.button;
            return true;
        }
    }
    return false;
}

int Run(int argc, wchar_t** argv) {
    if (argc == 3 && Is(argv[1], L"wait-main"))
        return WaitMain(Milliseconds(argv[2]));
    if (argc == 2 && Is(argv[1], L"check-software"))
        return CheckSoftware();
    ThermivoWindows::Button button;
    if (argc == 4 && Is(argv[1], L"locate") && ButtonNamed(argv[2], button))
        return Locate(button, Milliseconds(argv[3]));
    if (argc == 3 && Is(argv[1], L"wait-no-box"))
        return WaitNoBox(Milliseconds(argv[2]));
    if (argc == 3 && Is(argv[1], L"close"))
        return ThermivoWindows::CloseMainWindow(Milliseconds(argv[2]));
    std::fwprintf(stderr, L"usage: ReleaseDriver wait-main MS | check-software | locate YES|NO MS | "
                          L"wait-no-box MS | close MS\n");
    return USAGE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    return Run(argc, argv);
}
