#include "windows/CKeyboardTips.h"

#include "controls/MRender.h"
#include "core/Manager.h"
#include "core/MemoryDC.h"
#include "core/SkinPath.h"
#include "core/WindowDC.h"
#include "windows/EmbeddedFont.h"
#include "windows/TipWindowFrame.h"

namespace Vantix {

namespace {

const UINT kHideTimer = 10;
const int kWidth = 190;
const int kHeight = 100;
const int kTipType = 5;
const int kTipMode = 4;
const int kMode5 = 5;
const UINT kTextFormat = DT_WORD_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER;

Gdiplus::StringFormat* NewStringFormat() {
    auto* format = new Gdiplus::StringFormat();
    format->SetAlignment(Gdiplus::StringAlignmentCenter);
    format->SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format->SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap |
                           Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    return format;
}

} // namespace

CKeyboardTips::CKeyboardTips()
    : m_type(1), m_mode(3), m_format(NewStringFormat()), m_bkWidth(0), m_bkHeight(0), m_backMode(1),
      m_backValue(18) {}

CKeyboardTips::~CKeyboardTips() = default;

LRESULT CKeyboardTips::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
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

BOOL CKeyboardTips::OnInitDialog() {
    EmbeddedFont::Load(m_fontCollection, m_fontFamily);
    return TRUE;
}

// The image is kept for callers that ask for it; the tip paints without it.
bool CKeyboardTips::LoadBKImage(const wchar_t* fileName) {
    m_bkImage.Reset(MRender::LoadImageFromFile(GetSkinPath() + fileName));
    m_bkWidth = m_bkImage ? static_cast<int>(m_bkImage->GetWidth()) : 0;
    m_bkHeight = m_bkImage ? static_cast<int>(m_bkImage->GetHeight()) : 0;
    return static_cast<bool>(m_bkImage);
}

bool CKeyboardTips::LoadBKImage(UINT id, const wchar_t* type) {
    m_bkImage.Reset(MRender::LoadImageFromIDResource(id, type, Manager::m_hInstance));
    m_bkWidth = m_bkImage ? static_cast<int>(m_bkImage->GetWidth()) : 0;
    m_bkHeight = m_bkImage ? static_cast<int>(m_bkImage->GetHeight()) : 0;
    return m_bkImage && m_bkImage->GetLastStatus() == Gdiplus::Ok;
}

void CKeyboardTips::SetBackMode(int mode, int value) {
    m_backMode = mode;
    m_backValue = value;
}

int CKeyboardTips::SetMessage(const wchar_t* title, const wchar_t* line1, const wchar_t* line2, POINT point) {
    try {
        if (m_title == title && m_line1 == CString(line1) && m_line2 == CString(line2) && m_point == point)
            return 1;
        m_title = title;
        m_line1 = line1;
        m_line2 = line2;
        m_point = point;
        m_type = kTipType;
        m_mode = kTipMode;
        if (m_title.IsEmpty())
            return 1;
        // The bottom centre of the tip sits on the point.
        MoveWindow(point.x - kWidth / 2, point.y - kHeight, kWidth, kHeight, TRUE);
        WindowDC dc;
        if (IsValidWindow() && dc.Acquire(m_hWnd))
            Present(dc.Get());
        return 1;
    } catch (...) {
        return 0; // no memory for the texts
    }
}

void CKeyboardTips::CloseWindow() {
    PostMessageW(WM_CLOSE, 0, 0);
}

LRESULT CKeyboardTips::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

LRESULT CKeyboardTips::OnCreate(CREATESTRUCTW*) {
    TipWindowFrame::ApplyStyles(m_hWnd);
    return 0;
}

LRESULT CKeyboardTips::OnSize(UINT type, int, int) {
    if (type == SIZE_MINIMIZED)
        return 0;
    TipWindowFrame::ApplyRegion(m_hWnd, type);
    RECT client = {};
    GetClientRect(&client);
    InvalidateRect(client, FALSE);
    return 0;
}

LRESULT CKeyboardTips::OnKillFocus(HWND) {
    if (m_mode != kMode5)
        ShowWindow(SW_HIDE);
    KillTimer(kHideTimer);
    return 0;
}

LRESULT CKeyboardTips::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc && !IsIconic())
        Present(dc);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

void CKeyboardTips::OnTimer(UINT id) {
    if (id != kHideTimer)
        return;
    KillTimer(kHideTimer);
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
}

HFONT CKeyboardTips::GetTipFont(GdiObject<HFONT>& font, int height) {
    if (font)
        return font.Get();
    LOGFONTW description = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    lstrcpynW(description.lfFaceName, Manager::GetFontName().GetString(), LF_FACESIZE);
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfHeight = height;
    font.Reset(CreateFontIndirectW(&description));
    return font.Get();
}

void CKeyboardTips::DrawTip(HDC dc, int width, int height) {
    MRender::FillSolidRect(dc, 0, 0, width, height, RGB(80, 80, 80));
    MRender::FillSolidRect(dc, 1, 1, width - 2, height - 2, RGB(20, 20, 20));
    if (m_title.IsEmpty())
        return;
    CRect title(10, 10, width - 20, 23);
    MRender::DrawTextW(dc, title, m_title, RGB(230, 230, 230), GetTipFont(m_font1, -14), kTextFormat);
    CRect first(10, 39, width - 20, 59);
    MRender::DrawTextW(dc, first, m_line1, RGB(255, 255, 255), GetTipFont(m_font1, -14), kTextFormat);
    CRect second(10, 67, width - 20, 87);
    MRender::DrawTextW(dc, second, m_line2, RGB(255, 255, 255), GetTipFont(m_font2, -18), kTextFormat);
}

void CKeyboardTips::Present(HDC dc) {
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    GdiObject<HBITMAP> bitmap(MRender::CreateCompatibleBitmap(dc, width, height));
    MemoryDC memory;
    if (!bitmap || !memory.Create(dc))
        return;
    memory.Select(bitmap.Get());
    DrawTip(memory.Get(), width, height);
    MRender::BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0);
}

} // namespace Vantix
