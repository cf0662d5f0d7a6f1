// Device contexts, bitmaps, DIB sections and bitmap files.
#include "controls/MRender.h"

#include "core/WindowDC.h"

namespace Vantix {

namespace {

class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T size) : m_block(GlobalAlloc(GHND, size)), m_data(nullptr) {
        if (m_block)
            m_data = static_cast<unsigned char*>(GlobalLock(m_block));
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (m_data)
            GlobalUnlock(m_block);
        if (m_block)
            GlobalFree(m_block);
    }
    unsigned char* Data() const { return m_data; }

private:
    HGLOBAL m_block;
    unsigned char* m_data;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE file) : m_file(file) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    HANDLE Get() const { return m_file; }

private:
    HANDLE m_file;
};

WORD FileBitCount(HDC screen) {
    int bits = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    if (bits <= 1)
        return 1;
    if (bits <= 4)
        return 4;
    if (bits <= 8)
        return 8;
    return 24;
}

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

} // namespace

HDC MRender::CreateCompatibleDC(HDC dc) {
    return ::CreateCompatibleDC(dc);
}

HBITMAP MRender::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return ::CreateCompatibleBitmap(dc, width, height);
}

HBITMAP MRender::CreateARGB32Bitmap(HDC dc, int width, int height, unsigned char** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = width * height;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits)
        *bits = static_cast<unsigned char*>(pixels);
    return bitmap;
}

BOOL MRender::BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy) {
    return ::BitBlt(dest, x, y, width, height, source, sx, sy, SRCCOPY);
}

BOOL MRender::BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                     unsigned long rop) {
    return ::BitBlt(dest, x, y, width, height, source, sx, sy, rop);
}

// Screens of 8 bits or fewer get a colour table between the header and the pixels, so that the
// file stays readable; deeper screens give a 24-bit file without one.
BOOL MRender::SaveBitmapToFile(HBITMAP bitmap, CString path) {
    BITMAP shape = {};
    if (!GetObjectW(bitmap, sizeof(shape), &shape))
        return FALSE;
    // The screen's DC, for its colour depth and default palette.
    WindowDC screen;
    if (!screen.Acquire(nullptr))
        return FALSE;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = shape.bmWidth;
    header.biHeight = shape.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = FileBitCount(screen.Get());
    header.biCompression = BI_RGB;
    const DWORD rowSize = ((header.biBitCount * shape.bmWidth + 31) / 32) * 4;
    const DWORD imageSize = rowSize * shape.bmHeight;
    const DWORD tableSize = header.biBitCount <= 8 ? (1u << header.biBitCount) * sizeof(RGBQUAD) : 0;
    const DWORD infoSize = sizeof(header) + tableSize;

    GlobalBlock block(infoSize + imageSize);
    if (!block.Data())
        return FALSE;
    memcpy(block.Data(), &header, sizeof(header));
    HPALETTE previousPalette =
        SelectPalette(screen.Get(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    RealizePalette(screen.Get());
    GetDIBits(screen.Get(), bitmap, 0, shape.bmHeight, block.Data() + infoSize,
              reinterpret_cast<BITMAPINFO*>(block.Data()), DIB_RGB_COLORS);
    if (previousPalette) {
        SelectPalette(screen.Get(), previousPalette, FALSE);
        RealizePalette(screen.Get());
    }

    FileHandle file(CreateFileW(path.GetString(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        return FALSE;
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + infoSize;
    fileHeader.bfSize = fileHeader.bfOffBits + imageSize;
    WriteAll(file.Get(), &fileHeader, sizeof(fileHeader));
    WriteAll(file.Get(), block.Data(), infoSize + imageSize);
    return TRUE;
}

} // namespace Vantix
