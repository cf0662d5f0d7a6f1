// A layered popup window whose messages go to a toolkit control host, composed as the
// application's main window: background image, the close picture and the info overlay.
#pragma once

#include <windows.h>

#include "core/MObject.h"
#include "core/PaintManager.h"

class BenchWindow : public Vantix::MObject {
public:
    BenchWindow(int x, int y, int width, int height);
    ~BenchWindow() override;
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool IsReady() const { return m_hwnd != nullptr; }
    HWND Handle() const { return m_hwnd; }
    Vantix::PaintManager& Host() { return m_host; }
    // One full repaint through WM_PAINT, as an invalidation from the relay worker causes.
    void Repaint();

    int OnControlUpdate(Vantix::CRect rect, int redraw, Vantix::MControl* control) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    Vantix::PaintManager m_host;
    HWND m_hwnd = nullptr;
};
