#include "shell/SettingsStore.h"

#include <cstdlib>
#include <cwchar>
#include <windows.h>

namespace {

class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

SettingsStore::SettingsStore(const wchar_t* applicationKey)
    : m_keyPath(std::wstring(L"SOFTWARE\\") + applicationKey) {}

int SettingsStore::ReadSetting(const wchar_t* name) const {
    OpenKey key;
    LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_ALL_ACCESS, key.Out());
    if (opened == ERROR_SUCCESS) {
        // 512 zeroed bytes but at most 255 read: the text always ends in a zero, whatever was stored.
        wchar_t buffer[256] = {};
        DWORD type = REG_SZ;
        DWORD size = 255;
        RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        return _wtoi(buffer);
    }
    if (opened == ERROR_FILE_NOT_FOUND) {
        OpenKey created;
        RegCreateKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, created.Out(), nullptr);
    }
    return 0;
}

void SettingsStore::WriteSetting(const wchar_t* name, const wchar_t* text) const {
    OpenKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_ALL_ACCESS, key.Out()) != ERROR_SUCCESS)
        return;
    DWORD bytes = static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t));
    RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
}
