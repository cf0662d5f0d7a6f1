// BenchFloor: once a second draws a number into a 340 x 250 32-bit DIB and shows it with
// UpdateLayeredWindow, then sleeps; runs until it is ended. What any relay of one reading a second into a
// layered window costs at least. The command line gives the seconds to run (90 when empty).
#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace {

const int kWidth = 340;
const int kHeight = 250;

LRESULT CALLBACK FloorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND CreateFloorWindow(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BenchFloor";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"BenchFloor", L"BenchFloor",
                           WS_POPUP | WS_VISIBLE, 100, 100, kWidth, kHeight, nullptr, nullptr, instance,
                           nullptr);
}

void ShowValue(HWND window, HDC memory, int value) {
    RECT all = {0, 0, kWidth, kHeight};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", value);
    DrawTextW(memory, text, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    POINT origin = {0, 0};
    SIZE size = {kWidth, kHeight};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, 0};
    UpdateLayeredWindow(window, nullptr, nullptr, &size, memory, &origin, 0, &blend, ULW_ALPHA);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    const int seconds = *commandLine ? _wtoi(commandLine) : 90;
    HWND window = CreateFloorWindow(instance);
    if (!window)
        return 1;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (int second = 0; second < seconds; ++second) {
        ShowValue(window, memory, 40 + second % 50);
        Pump();
        Sleep(1000);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DestroyWindow(window);
    return 0;
}
