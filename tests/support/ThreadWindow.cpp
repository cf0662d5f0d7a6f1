#include "support/ThreadWindow.h"

#include <string>

namespace {

struct TitleSearch {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TitleSearch*>(data);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (std::wstring(title) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindThreadWindow(const wchar_t* title) {
    TitleSearch search = {title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
