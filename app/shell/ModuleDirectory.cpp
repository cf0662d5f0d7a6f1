#include "shell/ModuleDirectory.h"

#include <windows.h>

std::wstring GetModuleDirectory() {
    // Grow the buffer instead of truncating: a cut-off path would name the wrong folder.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(GetModuleHandleW(nullptr), &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}
