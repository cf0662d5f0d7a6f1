#include "maintenance/UpdateServer.h"

#include "maintenance/Utf8Text.h"

#include <windows.h>

namespace {

const wchar_t kOverrideVariable[] = L"THERMIVO_UPDATE_URL";

std::wstring BuildHost() {
    return Utf8Text::ToWide(THERMIVO_UPDATE_HOST);
}

// Joins without doubling the slash when the host itself ends in one.
std::wstring Folder(const wchar_t* path) {
    std::wstring host = UpdateServer::Host();
    if (!host.empty() && host.back() == L'/')
        host.pop_back();
    return host + path;
}

} // namespace

std::wstring UpdateServer::Host() {
    DWORD length = GetEnvironmentVariableW(kOverrideVariable, nullptr, 0);
    if (length > 1) {
        std::wstring value(length, L'\0');
        length = GetEnvironmentVariableW(kOverrideVariable, &value[0], length);
        value.resize(length);
        if (!value.empty())
            return value;
    }
    return BuildHost();
}

std::wstring UpdateServer::SoftwareBaseUrl() {
    return Folder(L"/zentra/Z7/software/");
}

std::wstring UpdateServer::FirmwareBaseUrl() {
    return Folder(L"/zentra/Z7/firmware/");
}
