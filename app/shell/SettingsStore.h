// The user's settings in the registry: decimal REG_SZ values under HKEY_CURRENT_USER\SOFTWARE\<key>.
// Every access opens and closes the key; no failure is reported.
#pragma once

#include <string>

class SettingsStore {
public:
    // The application key; the application uses "TEMP".
    explicit SettingsStore(const wchar_t* applicationKey = L"TEMP");

    // The value read with _wtoi: missing values and text that is not a number read as 0. Creates the key
    // when it does not exist yet.
    int ReadSetting(const wchar_t* name) const;
    // Stores text as REG_SZ; does nothing when the key does not exist.
    void WriteSetting(const wchar_t* name, const wchar_t* text) const;

    const std::wstring& KeyPath() const { return m_keyPath; }

private:
    std::wstring m_keyPath;
};
