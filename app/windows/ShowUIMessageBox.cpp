#include "windows/ShowUIMessageBox.h"

#include "windows/CUIMessageBox.h"

unsigned ShowUIMessageBox(const wchar_t* text, const wchar_t* title, int mode) {
    CUIMessageBox box;
    box.Open(text, title, mode);
    const unsigned result = box.ShowModal(SW_SHOWNORMAL);
    // A loop ended by WM_QUIT leaves the window behind; it must not outlive its object.
    box.DestroyWindow();
    return result;
}
