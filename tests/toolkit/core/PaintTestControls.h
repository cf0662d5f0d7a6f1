// Small controls and helpers for the host's painting and services tests: a control that paints its
// rectangle with plain GDI (alpha 0, as legacy drawing leaves it), one that uses the host's shared
// resources the way image and text controls do, PNG files written into the skin folder, and a
// message pump.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <atomic>
#include <cstdint>
#include <string>

#include "controls/MControl.h"
#include "core/PaintBuffer.h"

// Fills its rectangle with a GDI brush of one COLORREF.
class GdiBoxControl : public Vantix::MControl {
public:
    GdiBoxControl(Vantix::MObject* parent, UINT id, Vantix::CRect rect, COLORREF color);

    COLORREF color;
    std::atomic<int> draws{0};

protected:
    void DrawControl(HDC& dc, Vantix::CRect clip) override;
};

// Takes an image record and the global font family from its host, keeps a cached surface, and
// draws the image and a caption through GDI+ on the DC; counts its timer ticks.
class ResourceControl : public Vantix::MControl {
public:
    ResourceControl(Vantix::MObject* parent, UINT id, Vantix::CRect rect, const wchar_t* imageFile);

    void InitControl(Vantix::PaintManager* host) override;

    std::atomic<int> ticks{0};

protected:
    void DrawControl(HDC& dc, Vantix::CRect clip) override;
    int OnControlTimer() override;

private:
    std::wstring m_imageFile;
    Gdiplus::Image* m_image = nullptr; // borrowed from the host's record
};

// Stops all of its own timers from its first tick.
class TimerKillingControl : public Vantix::MControl {
public:
    TimerKillingControl(Vantix::MObject* parent, UINT id, Vantix::CRect rect);

    std::atomic<int> ticks{0};

protected:
    void DrawControl(HDC&, Vantix::CRect) override {}
    int OnControlTimer() override;
};

// Writes a PNG of width x height into the skin folder; paint gets a GDI+ graphics over it, which
// starts fully transparent. Returns false when the file could not be written.
template <class Paint> bool WriteSkinImage(const wchar_t* name, int width, int height, Paint paint);
bool SaveSkinImage(const wchar_t* name, Gdiplus::Bitmap& bitmap);
void DeleteSkinImage(const wchar_t* name);
// A skin file name of this test process alone ("x.png" -> "x_<pid>.png"): each test runs in its own
// process, in parallel with others that write and delete the same images.
const wchar_t* ProcessSkinName(const wchar_t* name);

// Saves a composed frame as <build>\artifacts\name (PNG).
bool SaveFrameArtifact(const Vantix::PaintBuffer& frame, const std::wstring& name);

// Dispatches the thread's messages for the given time.
void PumpMessages(DWORD milliseconds);

// Number of pixels in rect whose value passes test.
template <class Test> int CountPixels(const Vantix::PaintBuffer& frame, const RECT& rect, Test test) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += test(frame.Pixel(x, y)) ? 1 : 0;
    return count;
}

template <class Paint> bool WriteSkinImage(const wchar_t* name, int width, int height, Paint paint) {
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        paint(graphics);
    }
    return SaveSkinImage(name, bitmap);
}
