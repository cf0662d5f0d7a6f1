// The image-blending functions of msimg32 (AlphaBlend, GradientFill), looked up once per process,
// and the toolkit's own stand-ins for systems that lack them: a software blend with AlphaBlend's
// arithmetic and a gradient made of solid bands.
#pragma once

#include <windows.h>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API MsImgFunctions {
public:
    using AlphaBlendProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    // msimg32's AlphaBlend, or SoftwareAlphaBlend where it is missing; never null.
    static AlphaBlendProc GetAlphaBlend();
    // msimg32's GradientFill; null where it is missing.
    static GradientFillProc GetGradientFill();

    // AlphaBlend's result computed on 32-bit copies of both blocks (nearest pixel when stretching).
    static BOOL WINAPI SoftwareAlphaBlend(HDC dest, int dx, int dy, int dw, int dh, HDC source, int sx,
                                          int sy, int sw, int sh, BLENDFUNCTION blend);
    // Two-colour gradient (ARGB values, alpha ignored) in 2^k solid bands, k from steps.
    static void FillGradientBands(HDC dc, const RECT& rect, unsigned long first, unsigned long second,
                                  bool vertical, int steps);
};

} // namespace Vantix
