// Fades: rows or columns copied with a linearly changing constant alpha, and a radial corner fade.
#include "controls/MRender.h"

#include <algorithm>
#include <cmath>

#include "controls/MsImgFunctions.h"

namespace Vantix {

namespace {

BLENDFUNCTION ConstantAlpha(BYTE alpha) {
    return BLENDFUNCTION{AC_SRC_OVER, 0, alpha, 0};
}

// a and b are transparency percentages at the start and the end; copyLine(i, alpha) copies line i.
template <class CopyLine> int Transition(int lines, int a, int b, CopyLine copyLine) {
    if (lines <= 0)
        return 255;
    const int lo = std::min(a, b);
    const int hi = std::max(a, b);
    const int e = static_cast<int>(255 - lo * 255.0 / 100);
    const int f = static_cast<int>((100 - hi) * 255.0 / 100);
    const double g = static_cast<double>(e - f) / lines;
    BYTE alpha = 255;
    for (int i = 0; i < lines; ++i) {
        alpha = static_cast<BYTE>(a < b ? static_cast<int>(e - i * g) : static_cast<int>(f + i * g));
        copyLine(i, alpha);
    }
    return alpha;
}

} // namespace

int MRender::DrawVerticalTransition(HDC& dest, HDC& source, const CRect& destRect, const CRect& sourceRect,
                                    int startPercent, int endPercent) {
    MsImgFunctions::AlphaBlendProc alphaBlend = MsImgFunctions::GetAlphaBlend();
    const int width = destRect.Width();
    return Transition(destRect.Height(), startPercent, endPercent, [&](int row, BYTE alpha) {
        alphaBlend(dest, destRect.left, destRect.top + row, width, 1, source, sourceRect.left,
                   sourceRect.top + row, width, 1, ConstantAlpha(alpha));
    });
}

int MRender::DrawHorizontalTransition(HDC& dest, HDC& source, const CRect& destRect, const CRect& sourceRect,
                                      int startPercent, int endPercent) {
    MsImgFunctions::AlphaBlendProc alphaBlend = MsImgFunctions::GetAlphaBlend();
    const int height = destRect.Height();
    return Transition(destRect.Width(), startPercent, endPercent, [&](int column, BYTE alpha) {
        alphaBlend(dest, destRect.left + column, destRect.top, 1, height, source, sourceRect.left + column,
                   sourceRect.top, 1, height, ConstantAlpha(alpha));
    });
}

void MRender::DrawRightBottomTransition(HDC& dest, HDC& source, CRect rect, int n, unsigned long) {
    if (n <= 0)
        return;
    MsImgFunctions::AlphaBlendProc alphaBlend = MsImgFunctions::GetAlphaBlend();
    // The corner is the rectangle's own, wherever the rectangle lies.
    const int left = rect.right - n;
    const int top = rect.bottom - n;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double distance =
                std::min(static_cast<double>(n), std::sqrt(static_cast<double>(i * i + j * j)));
            const BYTE alpha = static_cast<BYTE>(static_cast<int>(255 - distance * 255 / n));
            alphaBlend(dest, left + i, top + j, 1, 1, source, left + i, top + j, 1, 1, ConstantAlpha(alpha));
        }
    }
}

} // namespace Vantix
