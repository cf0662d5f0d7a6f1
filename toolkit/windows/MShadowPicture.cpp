// MShadow: the shadow picture, computed from the parent's shape or drawn from a nine-grid image,
// and its hand-over to the layered shadow window.
#include "windows/MShadow.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "controls/MRender.h"
#include "controls/SurfaceGraphics.h"
#include "core/GdiObject.h"
#include "core/MemoryDC.h"

namespace Vantix {

namespace {

// A bottom-up bitmap of 32-bit pixels addressed by shadow line.
class ShadowBits {
public:
    ShadowBits(UINT32* bits, int width, int height) : m_bits(bits), m_width(width), m_height(height) {}

    UINT32* Row(int line) const { return m_bits + static_cast<size_t>(m_height - 1 - line) * m_width; }
    bool HasLine(int line) const { return line >= 0 && line < m_height; }
    void Fill(int line, int from, int to, UINT32 value) const {
        if (!HasLine(line))
            return;
        UINT32* row = Row(line);
        for (int x = std::max(from, 0); x < std::min(to, m_width); ++x)
            row[x] = value;
    }
    // Every covered pixel takes the kernel's pixel where that is the larger number.
    void Stamp(int cx, int cy, const std::vector<UINT32>& kernel, int radius) const {
        const int side = 2 * radius + 1;
        for (int ky = 0; ky < side; ++ky) {
            const int line = cy + ky - radius;
            if (!HasLine(line))
                continue;
            UINT32* row = Row(line);
            for (int kx = 0; kx < side; ++kx) {
                const int x = cx + kx - radius;
                if (x >= 0 && x < m_width)
                    row[x] = std::max(row[x], kernel[ky * side + kx]);
            }
        }
    }

private:
    UINT32* m_bits;
    int m_width;
    int m_height;
};

} // namespace

void MShadow::Update(HWND parent) {
    if (!m_bIsShowShadow || !(m_Status & STATE_VISIBLE) || !m_hWnd)
        return;
    RECT parentRect = {};
    if (!::GetWindowRect(parent, &parentRect))
        return;
    int extendX, extendY;
    if (m_bIsImageMode) {
        if (m_imagePath.IsEmpty() && !m_imageResId)
            return;
        extendX = m_corner.left + m_corner.right;
        extendY = m_corner.top + m_corner.bottom;
    } else {
        if (m_nSize == 0)
            return;
        extendX = extendY = 2 * m_nSize;
    }
    const int width = parentRect.right - parentRect.left + extendX;
    const int height = parentRect.bottom - parentRect.top + extendY;
    if (width <= 0 || height <= 0)
        return;

    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> bitmap(MRender::CreateARGB32Bitmap(nullptr, width, height, &bits));
    MemoryDC memory;
    if (!bitmap || !memory.Create(nullptr))
        return;
    memory.Select(bitmap.Get());
    std::memset(bits, 0, static_cast<size_t>(width) * height * 4);
    if (!m_bIsImageMode) {
        MakeShadow(reinterpret_cast<UINT32*>(bits), parent, &parentRect);
    } else if (m_image) {
        // An image shadow that did not load stays transparent.
        SurfaceGraphics graphics(memory.Get());
        if (graphics.Get())
            MRender::DrawImageFrameMID(*graphics.Get(), m_image.Get(), CRect(0, 0, width, height), 0, 0,
                                       m_imageWidth, m_imageHeight, m_corner.left, m_corner.top,
                                       m_corner.right, m_corner.bottom);
    }

    POINT position = Placement(parent);
    ::MoveWindow(m_hWnd, position.x, position.y, width, height, FALSE);
    SIZE size = {width, height};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, nullptr, &position, &size, memory.Get(), &origin, 0, &blend, ULW_ALPHA);
}

void MShadow::FindLineEnds(HWND parent, int width, int height, std::vector<Span>& lines) {
    GdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    // Without a window region the window is its whole rectangle.
    if (!region || ::GetWindowRgn(parent, region.Get()) == ERROR) {
        std::fill(lines.begin(), lines.end(), Span{0, width});
        return;
    }
    for (int y = 0; y < height; ++y) {
        int start = 0;
        while (start < width && !::PtInRegion(region.Get(), start, y))
            ++start;
        if (start == width)
            continue;
        int last = width - 1;
        while (last > start && !::PtInRegion(region.Get(), last, y))
            --last;
        lines[y] = Span{start, last + 1};
    }
}

void MShadow::MakeShadow(UINT32* bits, HWND parent, const RECT* parentRect) {
    const int W = parentRect->right - parentRect->left;
    const int H = parentRect->bottom - parentRect->top;
    const int S = m_nSize;
    const int sharpness = m_nSharpness;
    const int sw = W + 2 * S;
    const int sh = H + 2 * S;
    if (W <= 0 || H <= 0 || sw <= 0 || sh <= 0)
        return;
    const int n = std::max(H, sh);
    const Span empty = {W, 0};

    // Line ends of the parent, then of the shadow (shifted by S, the parent's lines S further down).
    std::vector<Span> parentLines(H, empty);
    FindLineEnds(parent, W, H, parentLines);
    std::vector<Span> anchors(n + 2, empty);
    for (int y = 0; y < H; ++y) {
        if (parentLines[y].start < parentLines[y].end)
            anchors[1 + std::max(S, 0) + y] = Span{parentLines[y].start + S, parentLines[y].end + S};
    }

    // Erosion, so that the blurred edge stays inside the shadow's outline.
    for (int round = 0; round < sharpness - S; ++round) {
        const std::vector<Span> previous = anchors;
        for (int i = 1; i <= n; ++i) {
            anchors[i].start =
                std::max({previous[i - 1].start, previous[i].start, previous[i + 1].start}) + 1;
            anchors[i].end = std::min({previous[i - 1].end, previous[i].end, previous[i + 1].end}) - 1;
        }
    }
    const int lineOffset = 1 + (S < 0 ? -S : 0);
    auto line = [&](int i) -> const Span& { return anchors[i + lineOffset]; };

    // Kernel: a disc of darkness up to the core radius, fading to the kernel's edge.
    const int K = std::max(S, sharpness);
    const int R = S > sharpness ? S - sharpness : 0;
    const int side = 2 * K + 1;
    std::vector<UINT32> kernel(static_cast<size_t>(side) * side);
    for (int ky = 0; ky < side; ++ky) {
        for (int kx = 0; kx < side; ++kx) {
            const double d = std::sqrt(static_cast<double>((kx - K) * (kx - K) + (ky - K) * (ky - K)));
            int alpha = 0;
            if (d < R)
                alpha = m_nDarkness;
            else if (d <= K)
                alpha = static_cast<int>((1 - (d - R) / (sharpness + 1)) * m_nDarkness);
            kernel[ky * side + kx] = PreMultiply(m_Color, static_cast<BYTE>(alpha));
        }
    }

    // Blurred border along the start and the end of each line.
    const ShadowBits shadow(bits, sw, sh);
    for (int i = K; i < sh - K; ++i) {
        const Span& current = line(i);
        if (current.start >= current.end)
            continue;
        const Span& above = line(i - 1);
        const Span& below = line(i + 1);
        int x = current.start;
        for (const int stop = std::min(std::max(above.start, below.start) + 1, current.end); x < stop; ++x)
            shadow.Stamp(x, i, kernel, K);
        for (int e = std::max(x, std::min(above.end, below.end) - 1); e < current.end; ++e)
            shadow.Stamp(e, i, kernel, K);
    }

    // Core, with a hole where the parent itself covers the shadow.
    const UINT32 core = PreMultiply(m_Color, m_nDarkness);
    const int first = std::min(K, std::max(S - m_nyOffset, 0));
    const int last = std::max(sh - K, std::min(H + S - m_nyOffset, H + 2 * S));
    for (int i = first; i < last && i < sh; ++i) {
        const Span& current = line(i);
        const int p = i - S + m_nyOffset;
        if (p < 0 || p >= H) {
            shadow.Fill(i, current.start, current.end, core);
            continue;
        }
        const int a = parentLines[p].start + S - m_nxOffset;
        const int b = parentLines[p].end + S - m_nxOffset;
        shadow.Fill(i, current.start, std::min(a, current.end), core);
        shadow.Fill(i, std::max(a, 0), std::min(b, sw), 0);
        shadow.Fill(i, std::max(b, current.start), current.end, core);
    }
}

} // namespace Vantix
