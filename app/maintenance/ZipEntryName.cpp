#include "maintenance/ZipEntryName.h"

#include <windows.h>

#include <cwctype>

namespace {

const wchar_t* const kParentPatterns[] = {L"\\..\\", L"\\../", L"/../", L"/..\\"};

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Applies the first cleaning rule that matches; false when none does.
bool CleanOnce(std::wstring& name) {
    if (name.size() >= 2 && name[1] == L':') {
        name.erase(0, 2);
        return true;
    }
    if (!name.empty() && IsSeparator(name[0])) {
        name.erase(0, 1);
        return true;
    }
    for (const wchar_t* pattern : kParentPatterns) {
        size_t at = name.find(pattern);
        if (at != std::wstring::npos) {
            name.erase(0, at + 4);
            return true;
        }
    }
    return false;
}

bool OnlyDotsAndSpaces(const std::wstring& part) {
    return part.find_first_not_of(L". ") == std::wstring::npos;
}

bool HasReservedCharacter(const std::wstring& part) {
    for (wchar_t c : part) {
        if (c < 0x20 || wcschr(L"<>:\"|?*", c))
            return true;
    }
    return false;
}

// CON, PRN, AUX, NUL, COM1..9, LPT1..9 (also with superscript digits), CONIN$ and CONOUT$ name devices
// in every folder, with or without an extension.
bool IsDeviceName(const std::wstring& part) {
    std::wstring base = part.substr(0, part.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t& c : base)
        c = static_cast<wchar_t>(towupper(c));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$" ||
        base == L"CONOUT$")
        return true;
    if (base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0)) {
        wchar_t digit = base[3];
        return (digit >= L'0' && digit <= L'9') || digit == 0x00B9 || digit == 0x00B2 || digit == 0x00B3;
    }
    return false;
}

bool IsWritablePart(const std::wstring& part) {
    return !OnlyDotsAndSpaces(part) && !HasReservedCharacter(part) && !IsDeviceName(part);
}

} // namespace

std::wstring ZipEntryName::FromArchive(const std::string& stored) {
    if (stored.empty())
        return std::wstring();
    int length = static_cast<int>(stored.size());
    int size = MultiByteToWideChar(CP_ACP, 0, stored.data(), length, nullptr, 0);
    std::wstring name(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, stored.data(), length, &name[0], size);
    return name;
}

std::wstring ZipEntryName::Clean(std::wstring name) {
    while (CleanOnce(name)) {
    }
    return name;
}

bool ZipEntryName::ToRelativePath(const std::wstring& cleaned, std::wstring& relative) {
    relative.clear();
    size_t start = 0;
    while (start <= cleaned.size()) {
        size_t end = start;
        while (end < cleaned.size() && !IsSeparator(cleaned[end]))
            ++end;
        std::wstring part = cleaned.substr(start, end - start);
        if (!part.empty() && part != L".") {
            if (!IsWritablePart(part))
                return false;
            if (!relative.empty())
                relative += L'\\';
            relative += part;
        }
        start = end + 1;
    }
    return !relative.empty();
}

bool ZipEntryName::EndsInSeparator(const std::wstring& name) {
    return !name.empty() && IsSeparator(name.back());
}
