#include "ControlPixels.h"

#include <algorithm>
#include <cstdlib>

void DrawHost(Vantix::PaintManager& host, DibCanvas& canvas) {
    host.DrawControl(canvas.Dc(), Vantix::CRect(0, 0, canvas.Width(), canvas.Height()));
    ::GdiFlush();
}

bool SameColour(uint32_t first, uint32_t second, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((first >> shift) & 0xFF);
        const int b = static_cast<int>((second >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance)
            return false;
    }
    return true;
}

Vantix::CRect InkBounds(const DibCanvas& canvas, const Vantix::CRect& rect, int threshold) {
    Vantix::CRect ink;
    bool found = false;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (GreenOf(canvas.Pixel(x, y)) <= threshold)
                continue;
            if (!found)
                ink = Vantix::CRect(x, y, x + 1, y + 1);
            ink.left = std::min<LONG>(ink.left, x);
            ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1);
            ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            found = true;
        }
    }
    return ink;
}
