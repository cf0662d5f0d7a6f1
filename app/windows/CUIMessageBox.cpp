#include "windows/CUIMessageBox.h"

#include <gdiplus.h>

#include "controls/MButton.h"
#include "controls/MText.h"

namespace {

const DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const int kFrameBorder = 30;
const UINT kClickCode = 2;
const UINT kAlignCentre = 1;
const UINT kVAlignCentre = 4;
const Gdiplus::ARGB kWhite = 0xFFFFFFFF;

const wchar_t* TextOrEmpty(const wchar_t* text) {
    return text ? text : L"";
}

} // namespace

CUIMessageBox::CUIMessageBox() = default;

CUIMessageBox::~CUIMessageBox() = default;

HWND CUIMessageBox::Open(const wchar_t* text, const wchar_t* title, int mode) {
    m_title = TextOrEmpty(title);
    m_message = TextOrEmpty(text);
    SetBackMode(Vantix::BACK_FRAME, kFrameBorder);
    m_mode = mode;
    HWND window =
        Create(nullptr, L"MessageBox", kStyle, WS_EX_TOOLWINDOW, Vantix::CRect(0, 0, kWidth, kHeight));
    CenterWindow();
    return window;
}

BOOL CUIMessageBox::OnInitDialog() {
    MDialog::OnInitDialog();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CUIMessageBox::InitUI(Vantix::CRect rect) {
    SetLayeredWindow(TRUE);
    CreateTexts(rect);
    CreateButtons(rect);
}

void CUIMessageBox::CreateTexts(const Vantix::CRect& rect) {
    auto* title = static_cast<Vantix::MText*>(
        CreateArea(L"MText", kTitleId, Vantix::CRect(20, 15, rect.right - 20, 40), m_title.c_str(), 1, 1));
    if (title) {
        title->SetAlignment(kAlignCentre);
        title->SetTextColor(Gdiplus::Color(kWhite));
    }
    const int middle = (rect.bottom - rect.top) / 2;
    auto* message = static_cast<Vantix::MText*>(
        CreateArea(L"MText", kMessageId, Vantix::CRect(20, middle - 30, rect.right - 20, middle + 30),
                   m_message.c_str(), 1, 1));
    if (message) {
        message->SetAlignment(kAlignCentre, kVAlignCentre);
        message->EnableMultiLine(1);
        message->EnableVCenter(1);
        message->SetTextColor(Gdiplus::Color(kWhite));
    }
}

void CUIMessageBox::CreateButtons(const Vantix::CRect& rect) {
    const int top = rect.bottom - 40;
    const int bottom = rect.bottom - 10;
    if (m_mode == kModeOk) {
        CreateButton(kFirstButtonId, L"OK", Vantix::CRect(60, top, rect.right - 60, bottom));
    } else if (m_mode == kModeYesNo) {
        const int centre = (rect.right - rect.left) / 2;
        CreateButton(kFirstButtonId, L"YES", Vantix::CRect(centre - 120, top, centre - 20, bottom));
        CreateButton(kNoButtonId, L"NO", Vantix::CRect(centre + 20, top, centre + 120, bottom));
    }
}

void CUIMessageBox::CreateButton(UINT id, const wchar_t* caption, Vantix::CRect rect) {
    auto* button = static_cast<Vantix::MButton*>(CreateControl(L"MButton", id, rect, caption, 1, 1));
    if (!button)
        return;
    button->SetImage(L"img_button.png", 4);
    button->SetTextColor(Gdiplus::Color(kWhite));
}

LRESULT CUIMessageBox::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (code != kClickCode)
        return 0;
    if (id == kFirstButtonId) {
        DoOK();
        return 1;
    }
    if (id == kNoButtonId) {
        DoCancel();
        return 1;
    }
    return 0;
}
