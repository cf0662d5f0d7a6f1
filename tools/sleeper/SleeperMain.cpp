// Sleeper.exe: a do-nothing process for tests that end processes by name. It waits 60 seconds and exits,
// so a copy that a test fails to end does not linger.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(60000);
    return 0;
}
