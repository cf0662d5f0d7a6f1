#include "maintenance/FolderPaths.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

std::wstring FolderPaths::GetDataFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder)) || folder[0] == L'\0')
        return std::wstring();
    return std::wstring(folder) + L"\\TEMP Files\\";
}

bool FolderPaths::CreateDirectoryPath(const std::wstring& path) {
    if (PathIsDirectoryW(path.c_str()))
        return true;
    size_t separator = path.find(L'\\');
    if (separator != std::wstring::npos) {
        // Every level but the drive; a level that exists already just fails.
        for (separator = path.find(L'\\', separator + 1); separator != std::wstring::npos;
             separator = path.find(L'\\', separator + 1))
            CreateDirectoryW(path.substr(0, separator).c_str(), nullptr);
    }
    SetLastError(ERROR_SUCCESS);
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring FolderPaths::GetFullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return std::wstring();
    std::wstring full(size, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size)
        return std::wstring();
    full.resize(length);
    return full;
}

bool FolderPaths::IsSamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}
