#include "TestImages.h"

#include <vector>

#include "DibCanvas.h"

namespace {

void Put16(std::vector<BYTE>& data, int value) {
    data.push_back(static_cast<BYTE>(value));
    data.push_back(static_cast<BYTE>(value >> 8));
}

void Put32(std::vector<BYTE>& data, uint32_t value) {
    Put16(data, static_cast<int>(value & 0xFFFF));
    Put16(data, static_cast<int>(value >> 16));
}

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

} // namespace

std::unique_ptr<Gdiplus::Bitmap> MakePatternImage(int width, int height) {
    auto image = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->SetPixel(x, y, Gdiplus::Color(PatternColor(x, y)));
    return image;
}

std::unique_ptr<Gdiplus::Bitmap> MakeSolidImage(int width, int height, uint32_t argb) {
    auto image = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->SetPixel(x, y, Gdiplus::Color(argb));
    return image;
}

TempPng::TempPng(const std::wstring& name, Gdiplus::Image& image) {
    m_path = TempFolder() + name;
    SavePng(image, m_path);
}

TempPng::~TempPng() {
    DeleteFileW(m_path.c_str());
}

std::wstring WriteTestIcon(const std::wstring& name, uint32_t argb) {
    const int side = 16, pixelBytes = side * side * 4, maskBytes = side * 4;
    std::vector<BYTE> data;
    Put16(data, 0); // icon directory: reserved, type 1, one image
    Put16(data, 1);
    Put16(data, 1);
    data.push_back(side); // directory entry
    data.push_back(side);
    data.push_back(0);
    data.push_back(0);
    Put16(data, 1);
    Put16(data, 32);
    Put32(data, 40 + pixelBytes + maskBytes);
    Put32(data, 22);
    Put32(data, 40); // image header: the height counts the colour and the mask rows
    Put32(data, side);
    Put32(data, side * 2);
    Put16(data, 1);
    Put16(data, 32);
    for (int i = 0; i < 6; ++i)
        Put32(data, 0);
    for (int i = 0; i < side * side; ++i)
        Put32(data, argb);
    data.insert(data.end(), maskBytes, 0);

    std::wstring path = TempFolder() + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}
