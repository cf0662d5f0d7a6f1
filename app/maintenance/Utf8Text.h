// Conversions between UTF-16 and UTF-8, the encoding of URLs handed to WinINet and of "version" bodies.
#pragma once

#include <string>

class Utf8Text {
public:
    static std::string FromWide(const std::wstring& text);
    // Decodes up to the first zero byte; malformed sequences become U+FFFD.
    static std::wstring ToWide(const std::string& bytes);
};
