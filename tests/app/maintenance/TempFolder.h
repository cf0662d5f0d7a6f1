// Test support: a fresh folder below the temporary folder, removed with everything in it (read-only and
// hidden files included) when the object goes.
#pragma once

#include <string>

class TempFolder {
public:
    explicit TempFolder(const std::wstring& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return m_path; }

    static void RemoveTree(const std::wstring& folder);

private:
    std::wstring m_path;
};
