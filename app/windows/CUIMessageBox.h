// The application's own message box: a borderless, always-on-top layered dialog with a title line, a
// centred message and either "OK" or "YES" and "NO". ShowUIMessageBox runs one from start to end. Its
// layout is fixed: sizing and destruction keep the dialog's defaults.
#pragma once

#include <windows.h>

#include <string>

#include "core/CRect.h"
#include "core/MDialog.h"

class CUIMessageBox : public Vantix::MDialog {
public:
    // The values of MB_OK and MB_YESNO; any other mode shows no buttons.
    enum ButtonMode { kModeOk = 0, kModeYesNo = 4 };
    enum ControlId : UINT { kTitleId = 31, kMessageId = 32, kFirstButtonId = 33, kNoButtonId = 34 };
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 200;

    CUIMessageBox();
    ~CUIMessageBox() override;

    // Everything before the modal loop: stores the texts (null reads as empty) and the mode, chooses the
    // framed background, creates the window and centres it on its monitor. The window, or null.
    HWND Open(const wchar_t* text, const wchar_t* title, int mode);

    BOOL OnInitDialog() override;
    void InitUI(Vantix::CRect rect) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateTexts(const Vantix::CRect& rect);
    void CreateButtons(const Vantix::CRect& rect);
    void CreateButton(UINT id, const wchar_t* caption, Vantix::CRect rect);

    std::wstring m_title;
    std::wstring m_message;
    int m_mode = kModeOk;
};
