// Rules for the texts of the update server's "version" files and their comparison.
#pragma once

#include <string>

class VersionText {
public:
    enum Comparison { A_IS_NEWER = -1, EQUAL = 0, B_IS_NEWER = 1, DIFFERENT_PART_COUNT = 2 };

    // Compares dotted versions part by part as numbers (_wtoi rules); a different number of parts gives
    // DIFFERENT_PART_COUNT. An empty text has no parts.
    static int CompareVersionStrings(const std::wstring& a, const std::wstring& b);
    // A software version: 1 to 10 characters of dot-separated decimal numbers, such as 1.0.0.3. Anything
    // else (an error page, a line break, a path) is no answer.
    static bool IsSoftwareVersion(const std::wstring& text);
    // A firmware number: 1 to 10 decimal digits, such as 105 for the display's firmware 0x0105.
    static bool IsFirmwareVersion(const std::wstring& text);
    // Whether the published firmware number is newer than the display's 16-bit firmware number, whose
    // hexadecimal digits read as a decimal number.
    static bool IsNewerFirmware(const std::wstring& published, int displayFirmware);
};
