#include "core/Manager.h"

#include <ole2.h>

namespace Vantix {

float Manager::m_scale_value = 1.0f;
int Manager::m_fontwidth = 14;
Gdiplus::GdiplusStartupInput Manager::m_gdiplusStartupInput;
Gdiplus::Color Manager::m_select_color(0xFFBD30FF);
HINSTANCE Manager::m_hInstance = nullptr;
std::atomic<float> Manager::m_cpu_temp(0.0f);
ULONG_PTR Manager::m_gdiplusToken = 0;
CString Manager::m_fontname(L"Arial");

std::map<MWindow*, int>& Manager::WindowRegistry() {
    static std::map<MWindow*, int> registry;
    return registry;
}

void Manager::SetInstance(HINSTANCE instance) {
    m_hInstance = instance;
}

HINSTANCE Manager::GetInstance() {
    return m_hInstance;
}

void Manager::InitGdiplus() {
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &m_gdiplusStartupInput, nullptr);
    CoInitialize(nullptr);
    OleInitialize(nullptr);
    WindowRegistry().clear();
}

void Manager::UnInitGdiplus() {
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    CoUninitialize();
    OleUninitialize();
    WindowRegistry().clear();
}

void Manager::SetFont(CString name, int size) {
    m_fontname = name;
    m_fontwidth = size;
}

void Manager::SetFontName(CString name) {
    m_fontname = name;
}

CString Manager::GetFontName() {
    return m_fontname;
}

void Manager::SetFontWidth(int size) {
    m_fontwidth = size;
}

int Manager::GetFontWidth() {
    return m_fontwidth;
}

void Manager::SetScaleValue(float scale) {
    m_scale_value = scale;
}

float Manager::GetScaleValue() {
    return m_scale_value;
}

int Manager::GetScaleValue(int value) {
    // Single precision, as the controls' geometry was laid out with it; the cast truncates toward zero.
    float scaled = static_cast<float>(value) * m_scale_value;
    return static_cast<int>(scaled);
}

Gdiplus::Color Manager::GetSelectColor() {
    return m_select_color;
}

void Manager::SetCPUTemp(float temperature) {
    m_cpu_temp.store(temperature);
}

float Manager::GetCPUTemp() {
    return m_cpu_temp.load();
}

CString Manager::GetTheme() {
    return CString(L"theme1\\");
}

void Manager::AddWnd(MWindow* window) {
    WindowRegistry()[window] = 0;
}

void Manager::DeleteWnd(MWindow* window) {
    WindowRegistry().erase(window);
}

int Manager::HasWnd(MWindow* window) {
    return WindowRegistry().count(window) ? 1 : 0;
}

int Manager::GetWndCount() {
    return static_cast<int>(WindowRegistry().size());
}

int Manager::PreTranslateMessage(MSG*) {
    // Alt+F4 held: the message is dropped so the system's default close never reaches a window.
    return GetAsyncKeyState(VK_MENU) && GetAsyncKeyState(VK_F4) ? 1 : 0;
}

void Manager::MessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace Vantix
