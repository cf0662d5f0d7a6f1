#include "windows/MAirBladder.h"

#include "controls/MRender.h"
#include "controls/SurfaceGraphics.h"
#include "core/GdiObject.h"
#include "core/Manager.h"
#include "core/MemoryDC.h"
#include "core/SkinPath.h"
#include "windows/EmbeddedFont.h"
#include "windows/TipWindowFrame.h"

namespace Vantix {

namespace {

const UINT kHideTimer = 10;
const UINT kHideAfter = 5000;
const float kFontSize = 14.0f;
const int kFrameCorner = 6;

Gdiplus::StringFormat* NewStringFormat() {
    auto* format = new Gdiplus::StringFormat();
    format->SetAlignment(Gdiplus::StringAlignmentNear);
    format->SetLineAlignment(Gdiplus::StringAlignmentNear);
    format->SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap |
                           Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    return format;
}

int LineCount(const CString& text) {
    int lines = 1;
    for (int i = 0; i < text.GetLength(); ++i)
        lines += text.GetAt(i) == L'\n' ? 1 : 0;
    return lines;
}

} // namespace

MAirBladder::MAirBladder()
    : m_type(AIRBLADDER_TYPE_TIMED), m_mode(AIRBLADDER_MODE_BELOW), m_format(NewStringFormat()), m_bkWidth(0),
      m_bkHeight(0), m_arrowLWidth(0), m_arrowLHeight(0), m_arrowRWidth(0), m_arrowRHeight(0),
      m_arrowTWidth(0), m_arrowTHeight(0), m_backMode(1), m_backValue(18), m_lineCount(1) {}

MAirBladder::~MAirBladder() = default;

LRESULT MAirBladder::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_TOOLKIT_CLOSE:
        return OnUserCloseWindow(wParam, lParam);
    default:
        break;
    }
    return MWindow::OnWindowMessage(msg, wParam, lParam);
}

BOOL MAirBladder::OnInitDialog() {
    EmbeddedFont::Load(m_fontCollection, m_fontFamily);
    return TRUE;
}

bool MAirBladder::TakeImage(GdiplusObject<Gdiplus::Image>& image, int& width, int& height,
                            Gdiplus::Image* loaded) {
    image.Reset(loaded);
    width = image ? static_cast<int>(image->GetWidth()) : 0;
    height = image ? static_cast<int>(image->GetHeight()) : 0;
    return image && image->GetLastStatus() == Gdiplus::Ok;
}

bool MAirBladder::LoadBKImage(const wchar_t* fileName) {
    return TakeImage(m_bkImage, m_bkWidth, m_bkHeight, MRender::LoadImageFromFile(GetSkinPath() + fileName));
}

bool MAirBladder::LoadBKImage(UINT id, const wchar_t* type) {
    return TakeImage(m_bkImage, m_bkWidth, m_bkHeight,
                     MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
}

bool MAirBladder::LoadArrowLImage(const wchar_t* fileName) {
    return TakeImage(m_arrowLImage, m_arrowLWidth, m_arrowLHeight,
                     MRender::LoadImageFromFile(GetSkinPath() + fileName));
}

bool MAirBladder::LoadArrowLImage(UINT id, const wchar_t* type) {
    return TakeImage(m_arrowLImage, m_arrowLWidth, m_arrowLHeight,
                     MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
}

bool MAirBladder::LoadArrowRImage(const wchar_t* fileName) {
    return TakeImage(m_arrowRImage, m_arrowRWidth, m_arrowRHeight,
                     MRender::LoadImageFromFile(GetSkinPath() + fileName));
}

bool MAirBladder::LoadArrowRImage(UINT id, const wchar_t* type) {
    return TakeImage(m_arrowRImage, m_arrowRWidth, m_arrowRHeight,
                     MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
}

bool MAirBladder::LoadArrowTImage(const wchar_t* fileName) {
    return TakeImage(m_arrowTImage, m_arrowTWidth, m_arrowTHeight,
                     MRender::LoadImageFromFile(GetSkinPath() + fileName));
}

bool MAirBladder::LoadArrowTImage(UINT id, const wchar_t* type) {
    return TakeImage(m_arrowTImage, m_arrowTWidth, m_arrowTHeight,
                     MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
}

void MAirBladder::SetBackMode(int mode, int value) {
    m_backMode = mode;
    m_backValue = value;
}

int MAirBladder::SetMessage(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode) {
    try {
        if (m_text == text && m_point == point && m_type == type && m_mode == mode)
            return 1;
        m_format->SetAlignment(Gdiplus::StringAlignmentNear);
        m_format->SetLineAlignment(Gdiplus::StringAlignmentNear);
        m_text = text;
        m_point = point;
        m_type = type;
        m_mode = mode;
        FitWindow();
        if (m_type != AIRBLADDER_TYPE_STAY && IsValidWindow())
            SetTimer(kHideTimer, kHideAfter, nullptr);
        return 1;
    } catch (...) {
        return 0; // no memory for the text
    }
}

void MAirBladder::CloseWindow() {
    PostMessageW(WM_CLOSE, 0, 0);
}

LRESULT MAirBladder::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

LRESULT MAirBladder::OnCreate(CREATESTRUCTW*) {
    TipWindowFrame::ApplyStyles(m_hWnd);
    return 0;
}

LRESULT MAirBladder::OnSize(UINT type, int, int) {
    if (type == SIZE_MINIMIZED)
        return 0;
    TipWindowFrame::ApplyRegion(m_hWnd, type);
    RECT client = {};
    GetClientRect(&client);
    InvalidateRect(client, FALSE);
    return 0;
}

LRESULT MAirBladder::OnKillFocus(HWND) {
    if (m_mode != AIRBLADDER_MODE_RIGHT_LOW)
        ShowWindow(SW_HIDE);
    KillTimer(kHideTimer);
    return 0;
}

LRESULT MAirBladder::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
    Present();
    return 0;
}

void MAirBladder::OnTimer(UINT id) {
    if (id != kHideTimer)
        return;
    KillTimer(kHideTimer);
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
}

CSize MAirBladder::MeasureText(int& lineHeight) {
    Gdiplus::Font font(m_fontFamily.Get(), kFontSize, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    CSize size = MRender::GetTextBounds(font, *m_format.Get(), m_text);
    lineHeight = size.cy;
    return size;
}

void MAirBladder::FitWindow() {
    if (m_text.IsEmpty())
        return;
    int h = 0;
    const int w = MeasureText(h).cx;
    m_lineCount = LineCount(m_text);
    if (m_lineCount == 1 || m_mode == AIRBLADDER_MODE_ABOVE) {
        m_format->SetAlignment(Gdiplus::StringAlignmentCenter);
        m_format->SetLineAlignment(Gdiplus::StringAlignmentCenter);
    }
    const int px = m_point.x, py = m_point.y, H = m_lineCount * h;
    CRect rect;
    switch (m_mode) {
    case AIRBLADDER_MODE_RIGHT:
        rect.SetRect(px, py - H / 2 - 10, px + w + 40, py - H / 2 - 10 + H + 20);
        break;
    case AIRBLADDER_MODE_LEFT:
        rect.SetRect(px - w - 40, py - 27, px, py + H - 7);
        break;
    case AIRBLADDER_MODE_BELOW:
        rect.SetRect(px - 25, py, px + w + 15, py + H + 30);
        break;
    case AIRBLADDER_MODE_ABOVE:
        rect.SetRect(px - (w + 30) / 2, py - H - 20, px - (w + 30) / 2 + w + 30, py);
        break;
    case AIRBLADDER_MODE_RIGHT_LOW:
        rect.SetRect(px, py - 10, px + w + 40, py - 10 + H - 35);
        m_lineCount -= 2;
        break;
    default:
        break;
    }
    // Fewer than three lines leave the fifth placement no height: the balloon collapses.
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    Present();
}

void MAirBladder::DrawBalloon(Gdiplus::Graphics& graphics, int width, int height) {
    if (m_bkImage && m_bkImage->GetLastStatus() == Gdiplus::Ok)
        MRender::DrawImageFrame(graphics, m_bkImage.Get(), CRect(0, 0, width - 1, height - 1), 0, 0,
                                m_bkWidth, m_bkHeight, kFrameCorner);
    if (m_text.IsEmpty())
        return;
    int h = 0;
    MeasureText(h);
    const int n = m_lineCount;
    const float boxHeight = static_cast<float>(n * h + 2);
    if (boxHeight <= 0)
        return;
    Gdiplus::Font font(m_fontFamily.Get(), kFontSize, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    const Gdiplus::RectF box(8.0f, (height - n * h) * 0.5f + n - 1, static_cast<float>(width - 16),
                             boxHeight);
    graphics.DrawString(m_text.GetString(), -1, &font, box, m_format.Get(), &white);
}

void MAirBladder::Present() {
    if (!IsValidWindow() || IsIconic())
        return;
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    unsigned char* bits = nullptr;
    GdiObject<HBITMAP> bitmap(MRender::CreateARGB32Bitmap(nullptr, width, height, &bits));
    MemoryDC memory;
    if (!bitmap || !memory.Create(nullptr))
        return;
    memory.Select(bitmap.Get());
    {
        SurfaceGraphics graphics(memory.Get());
        if (graphics.Get())
            DrawBalloon(*graphics.Get(), width, height);
    }
    ::GdiFlush();
    ModifyExStyle(0, WS_EX_LAYERED, 0);
    SIZE size = {width, height};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, nullptr, nullptr, &size, memory.Get(), &origin, 0, &blend, ULW_ALPHA);
}

} // namespace Vantix
