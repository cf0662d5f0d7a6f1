#include "maintenance/VersionText.h"

#include <cstdlib>
#include <cwchar>
#include <vector>

namespace {

const size_t kMaxVersionLength = 10;

std::vector<std::wstring> SplitParts(const std::wstring& text) {
    std::vector<std::wstring> parts;
    if (text.empty())
        return parts;
    size_t start = 0;
    for (;;) {
        size_t dot = text.find(L'.', start);
        parts.push_back(text.substr(start, dot - start));
        if (dot == std::wstring::npos)
            return parts;
        start = dot + 1;
    }
}

bool IsDigits(const std::wstring& text) {
    if (text.empty())
        return false;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return false;
    }
    return true;
}

} // namespace

int VersionText::CompareVersionStrings(const std::wstring& a, const std::wstring& b) {
    std::vector<std::wstring> partsA = SplitParts(a);
    std::vector<std::wstring> partsB = SplitParts(b);
    if (partsA.size() != partsB.size())
        return DIFFERENT_PART_COUNT;
    for (size_t i = 0; i < partsA.size(); ++i) {
        int numberA = _wtoi(partsA[i].c_str());
        int numberB = _wtoi(partsB[i].c_str());
        if (numberA > numberB)
            return A_IS_NEWER;
        if (numberB > numberA)
            return B_IS_NEWER;
    }
    return EQUAL;
}

bool VersionText::IsSoftwareVersion(const std::wstring& text) {
    if (text.size() > kMaxVersionLength)
        return false;
    std::vector<std::wstring> parts = SplitParts(text);
    if (parts.empty())
        return false;
    for (const std::wstring& part : parts) {
        if (!IsDigits(part))
            return false;
    }
    return true;
}

bool VersionText::IsFirmwareVersion(const std::wstring& text) {
    return text.size() <= kMaxVersionLength && IsDigits(text);
}

bool VersionText::IsNewerFirmware(const std::wstring& published, int displayFirmware) {
    if (displayFirmware == -1)
        return false;
    wchar_t hex[16];
    swprintf(hex, 16, L"%x", static_cast<unsigned>(displayFirmware));
    return _wtoi(published.c_str()) > _wtoi(hex);
}
