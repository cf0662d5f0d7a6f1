#include "PlainLayeredWindow.h"

#include <cwchar>

#include "core/GdiObject.h"
#include "core/MemoryDC.h"
#include "core/WindowDC.h"

PlainLayeredWindow::PlainLayeredWindow(int x, int y, int width, int height, const wchar_t* background,
                                       const wchar_t* picture)
    : m_width(width), m_height(height), m_background(new Gdiplus::Image(background)),
      m_picture(new Gdiplus::Image(picture)), m_family(new Gdiplus::FontFamily(L"Arial")) {
    m_hwnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"baseline", WS_POPUP, x, y,
                               width, height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (m_hwnd)
        ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

PlainLayeredWindow::~PlainLayeredWindow() {
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);
}

bool PlainLayeredWindow::IsReady() const {
    return m_hwnd && m_background->GetLastStatus() == Gdiplus::Ok &&
           m_picture->GetLastStatus() == Gdiplus::Ok && m_family->GetLastStatus() == Gdiplus::Ok;
}

void PlainLayeredWindow::Repaint(int temperature) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Vantix::WindowDC screen;
    screen.Acquire(nullptr);
    Vantix::GdiObject<HBITMAP> bitmap(
        ::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Vantix::MemoryDC memory;
    if (!bitmap || !memory.Create(screen.Get()))
        return;
    memory.Select(bitmap.Get());
    {
        // Top row first over the bottom-up rows, premultiplied as UpdateLayeredWindow takes them.
        const INT stride = m_width * 4;
        Gdiplus::Bitmap surface(m_width, m_height, -stride, PixelFormat32bppPARGB,
                                static_cast<BYTE*>(bits) + static_cast<size_t>(m_height - 1) * stride);
        Gdiplus::Graphics graphics(&surface);
        Draw(graphics, temperature);
    }
    SIZE size = {m_width, m_height};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hwnd, screen.Get(), nullptr, &size, memory.Get(), &origin, 0, &blend, ULW_ALPHA);
}

void PlainLayeredWindow::Draw(Gdiplus::Graphics& graphics, int temperature) {
    graphics.DrawImage(m_background.Get(), Gdiplus::Rect(0, 0, m_width, m_height));
    graphics.DrawImage(m_picture.Get(), Gdiplus::Rect(295, 25, 18, 17));
    wchar_t text[16];
    swprintf(text, 16, L"%d", temperature);
    Gdiplus::Font font(m_family.Get(), 50.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    Gdiplus::SolidBrush brush(Gdiplus::Color(0xFFFBFBFB));
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    graphics.DrawString(text, -1, &font, Gdiplus::RectF(m_width / 2 - 55.0f, 100.0f, 120.0f, 60.0f), &format,
                        &brush);
}
