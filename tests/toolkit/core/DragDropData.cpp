#include "DragDropData.h"

#include <shlobj.h>
#include <cstring>

namespace dragdrop {

FORMATETC Format(CLIPFORMAT format, DWORD medium, DWORD aspect) {
    FORMATETC result = {format, nullptr, aspect, -1, medium};
    return result;
}

Pixels ReadPixels(HBITMAP bitmap) {
    Pixels result;
    BITMAP info;
    if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info))
        return result;
    result.width = info.bmWidth;
    result.height = info.bmHeight;
    result.values.resize(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, info.bmHeight, result.values.data(), &header, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    for (DWORD& value : result.values)
        value &= 0x00FFFFFF;
    return result;
}

Picture FourColours() {
    return Picture{2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}};
}

namespace {

BITMAPINFOHEADER HeaderOf(const Picture& picture, WORD bitCount) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = BI_RGB;
    return header;
}

// Bottom-up rows of the given depth (24 or 32 bits), each padded to four bytes.
std::vector<BYTE> BottomUpRows(const Picture& picture, int bytesPerPixel) {
    size_t stride = (static_cast<size_t>(picture.width) * bytesPerPixel + 3) / 4 * 4;
    std::vector<BYTE> rows(stride * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        BYTE* row = rows.data() + stride * (picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            DWORD value = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            std::memcpy(row + x * bytesPerPixel, &value, bytesPerPixel);
        }
    }
    return rows;
}

} // namespace

HGLOBAL MakePackedDib(const Picture& picture) {
    BITMAPINFOHEADER header = HeaderOf(picture, 32);
    std::vector<BYTE> rows = BottomUpRows(picture, 4);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + rows.size());
    BYTE* bytes = static_cast<BYTE*>(::GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof(header));
    std::memcpy(bytes + sizeof(header), rows.data(), rows.size());
    ::GlobalUnlock(memory);
    return memory;
}

HBITMAP MakeBitmap(const Picture& picture) {
    BITMAPINFOHEADER header = HeaderOf(picture, 32);
    std::vector<BYTE> rows = BottomUpRows(picture, 4);
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, &header, CBM_INIT, rows.data(),
                                      reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

bool WriteBitmapFile(const std::wstring& path, const Picture& picture) {
    BITMAPINFOHEADER header = HeaderOf(picture, 24);
    std::vector<BYTE> rows = BottomUpRows(picture, 3);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(handle, &file, sizeof(file), &written, nullptr) &&
              ::WriteFile(handle, &header, sizeof(header), &written, nullptr) &&
              ::WriteFile(handle, rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr);
    ::CloseHandle(handle);
    return ok;
}

HGLOBAL MakeFileDrop(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& name : names)
        list.append(name).push_back(L'\0');
    list.push_back(L'\0');
    size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    DROPFILES* files = static_cast<DROPFILES*>(::GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(files) + sizeof(DROPFILES), list.data(), bytes);
    ::GlobalUnlock(memory);
    return memory;
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

} // namespace dragdrop
