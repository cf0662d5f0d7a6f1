// An image written as a PNG into the skin folder under a name of the test's own (made unique to the
// process), so that controls can load it by file name as they load the theme's images; the
// destructor removes the file.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <string>

class SkinImageFile {
public:
    SkinImageFile(const std::wstring& name, Gdiplus::Image& image);
    ~SkinImageFile();
    SkinImageFile(const SkinImageFile&) = delete;
    SkinImageFile& operator=(const SkinImageFile&) = delete;

    // The file name to give a control (relative to the skin folder).
    const wchar_t* Name() const { return m_name.c_str(); }
    bool Written() const { return m_written; }

private:
    std::wstring m_name;
    std::wstring m_path;
    bool m_written;
};
