// Dropped data built by the drag-and-drop tests (packed DIBs, bitmap files, file drops) and the
// pixels of a bitmap read back.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <string>
#include <vector>

namespace dragdrop {

FORMATETC Format(CLIPFORMAT format, DWORD medium, DWORD aspect = DVASPECT_CONTENT);

// Size and pixels (0x00RRGGBB, top row first) of a bitmap.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> values;
    DWORD At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};
Pixels ReadPixels(HBITMAP bitmap);

// A picture of width x height pixels given as 0x00RRGGBB values, top row first.
struct Picture {
    int width;
    int height;
    std::vector<DWORD> pixels;
};
// Red, green, blue and white in a 2 x 2 picture.
Picture FourColours();

// A packed 32-bit DIB (bottom-up, as the clipboard keeps them) in movable global memory.
HGLOBAL MakePackedDib(const Picture& picture);
// A device-dependent bitmap with the picture.
HBITMAP MakeBitmap(const Picture& picture);
// The picture as a 24-bit bitmap file.
bool WriteBitmapFile(const std::wstring& path, const Picture& picture);
// A file drop (DROPFILES with wide names) in movable global memory.
HGLOBAL MakeFileDrop(const std::vector<std::wstring>& names);
// A path in the temporary folder.
std::wstring TempPath(const wchar_t* name);

} // namespace dragdrop
