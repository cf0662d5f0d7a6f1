#include "maintenance/Utf8Text.h"

#include <windows.h>

#include <cstring>

std::string Utf8Text::FromWide(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                        nullptr);
    return bytes;
}

std::wstring Utf8Text::ToWide(const std::string& bytes) {
    int length = static_cast<int>(strnlen(bytes.data(), bytes.size()));
    if (length == 0)
        return std::wstring();
    int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, &text[0], size);
    return text;
}
