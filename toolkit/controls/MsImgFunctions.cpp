#include "controls/MsImgFunctions.h"

#include <cstdint>

#include "controls/MRender.h"
#include "core/GdiObject.h"
#include "core/MemoryDC.h"

namespace Vantix {

namespace {

struct Lookup {
    MsImgFunctions::AlphaBlendProc alphaBlend;
    MsImgFunctions::GradientFillProc gradientFill;
};

template <class Proc> Proc Find(HMODULE module, const char* name) {
    if (!module)
        return nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Initialised once, also when several threads draw their first gradient at the same time.
const Lookup& Functions() {
    static const Lookup lookup = [] {
        HMODULE module = GetModuleHandleW(L"msimg32.dll");
        // Nothing else may have loaded it; then it stays loaded for the rest of the process.
        if (!module)
            module = LoadLibraryW(L"msimg32.dll");
        Lookup found{Find<MsImgFunctions::AlphaBlendProc>(module, "AlphaBlend"),
                     Find<MsImgFunctions::GradientFillProc>(module, "GradientFill")};
        if (!found.alphaBlend)
            found.alphaBlend = MsImgFunctions::SoftwareAlphaBlend;
        return found;
    }();
    return lookup;
}

// A 32-bit copy of a block of a device context.
struct PixelBlock {
    MemoryDC dc;
    GdiObject<HBITMAP> bitmap;
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;

    bool CopyFrom(HDC source, int x, int y, int w, int h) {
        unsigned char* bits = nullptr;
        bitmap.Reset(MRender::CreateARGB32Bitmap(source, w, h, &bits));
        if (!bitmap || !dc.Create(source))
            return false;
        dc.Select(bitmap.Get());
        pixels = reinterpret_cast<uint32_t*>(bits);
        width = w;
        height = h;
        return ::BitBlt(dc.Get(), 0, 0, w, h, source, x, y, SRCCOPY) != FALSE;
    }
    // Rows are stored bottom-up.
    uint32_t& At(int x, int y) { return pixels[(height - 1 - y) * width + x]; }
};

uint32_t Channel(uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

uint32_t Scale(uint32_t value, uint32_t alpha) {
    return (value * alpha + 127) / 255;
}

uint32_t BlendConstant(uint32_t dest, uint32_t source, uint32_t alpha) {
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
        result |= ((Channel(source, shift) * alpha + Channel(dest, shift) * (255 - alpha) + 127) / 255)
                  << shift;
    return result;
}

// The source is premultiplied: its channels are scaled by the constant alpha and laid over the
// destination by the scaled source alpha.
uint32_t BlendPerPixel(uint32_t dest, uint32_t source, uint32_t alpha) {
    uint32_t sourceAlpha = Scale(Channel(source, 24), alpha);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
        result |= (Scale(Channel(source, shift), alpha) + Scale(Channel(dest, shift), 255 - sourceAlpha))
                  << shift;
    return result;
}

int BandShift(int steps) {
    static const int limits[] = {4, 8, 16, 32, 64};
    int shift = 1;
    for (int limit : limits) {
        if (steps < limit)
            return shift;
        ++shift;
    }
    return shift;
}

COLORREF BandColor(unsigned long first, unsigned long second, int band, int shift) {
    int bands = 1 << shift;
    int mixed[3];
    for (int i = 0; i < 3; ++i) {
        int from = static_cast<int>(Channel(first, 16 - 8 * i));
        int to = static_cast<int>(Channel(second, 16 - 8 * i));
        mixed[i] = (from * (bands - band) + to * band) >> shift;
    }
    return RGB(mixed[0], mixed[1], mixed[2]);
}

} // namespace

MsImgFunctions::AlphaBlendProc MsImgFunctions::GetAlphaBlend() {
    return Functions().alphaBlend;
}

MsImgFunctions::GradientFillProc MsImgFunctions::GetGradientFill() {
    return Functions().gradientFill;
}

BOOL WINAPI MsImgFunctions::SoftwareAlphaBlend(HDC dest, int dx, int dy, int dw, int dh, HDC source, int sx,
                                               int sy, int sw, int sh, BLENDFUNCTION blend) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || blend.BlendOp != AC_SRC_OVER)
        return FALSE;
    PixelBlock from;
    PixelBlock to;
    if (!from.CopyFrom(source, sx, sy, sw, sh) || !to.CopyFrom(dest, dx, dy, dw, dh))
        return FALSE;
    bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
            uint32_t pixel = from.At(x * sw / dw, y * sh / dh);
            uint32_t& target = to.At(x, y);
            target = perPixel ? BlendPerPixel(target, pixel, blend.SourceConstantAlpha)
                              : BlendConstant(target, pixel, blend.SourceConstantAlpha);
        }
    }
    return ::BitBlt(dest, dx, dy, dw, dh, to.dc.Get(), 0, 0, SRCCOPY);
}

void MsImgFunctions::FillGradientBands(HDC dc, const RECT& rect, unsigned long first, unsigned long second,
                                       bool vertical, int steps) {
    int shift = BandShift(steps);
    int bands = 1 << shift;
    int start = vertical ? rect.top : rect.left;
    int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    for (int band = 0; band < bands; ++band) {
        RECT part = rect;
        int from = start + length * band / bands;
        int to = start + length * (band + 1) / bands;
        if (to <= from)
            continue;
        (vertical ? part.top : part.left) = from;
        (vertical ? part.bottom : part.right) = to;
        GdiObject<HBRUSH> brush(CreateSolidBrush(BandColor(first, second, band, shift)));
        FillRect(dc, &part, brush.Get());
    }
}

} // namespace Vantix
