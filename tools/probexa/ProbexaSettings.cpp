#include "ProbexaSettings.h"

#include <cstdlib>
#include <windows.h>

namespace {

const wchar_t kSection[] = L"probexa";

std::wstring SettingsPath() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"PROBEXA_INI", fromEnvironment, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return fromEnvironment;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path = exe;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"Probexa.ini";
}

std::wstring ReadText(const std::wstring& file, const wchar_t* key, const std::wstring& fallback) {
    wchar_t text[1024] = {};
    GetPrivateProfileStringW(kSection, key, fallback.c_str(), text, 1024, file.c_str());
    return text;
}

float ReadFloat(const std::wstring& file, const wchar_t* key, float fallback) {
    std::wstring text = ReadText(file, key, L"");
    return text.empty() ? fallback : static_cast<float>(std::wcstod(text.c_str(), nullptr));
}

unsigned ReadUnsigned(const std::wstring& file, const wchar_t* key, unsigned fallback) {
    return GetPrivateProfileIntW(kSection, key, static_cast<int>(fallback), file.c_str());
}

} // namespace

ProbexaSettings ProbexaSettings::Load() {
    ProbexaSettings settings;
    std::wstring file = SettingsPath();
    std::wstring record = ReadText(file, L"record", L"korval_hardware_mapfile");
    settings.record.assign(record.begin(), record.end());
    settings.mode = ReadText(file, L"mode", settings.mode);
    settings.value = ReadFloat(file, L"value", settings.value);
    settings.tracePath = ReadText(file, L"trace", L"");
    settings.intervalMs = ReadUnsigned(file, L"interval_ms", settings.intervalMs);
    settings.status = ReadFloat(file, L"status", settings.status);
    settings.lifetimeMs = ReadUnsigned(file, L"lifetime_ms", settings.lifetimeMs);
    if (settings.intervalMs == 0)
        settings.intervalMs = 1;
    return settings;
}
