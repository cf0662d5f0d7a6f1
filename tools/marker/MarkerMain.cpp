// Marker.exe: stands in for the installer inside an update package. When started it writes one record to
// the file named by THERMIVO_MARKER_FILE (or to "<its own path>.started" without it): its own path on the
// first line and its command-line arguments on the second, as UTF-8. Exit code 0 when the record was
// written, 1 when not.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring RecordPath(const std::wstring& ownPath) {
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"THERMIVO_MARKER_FILE", value, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return value;
    return ownPath + L".started";
}

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring ownPath = OwnPath();
    FILE* record = _wfopen(RecordPath(ownPath).c_str(), L"wb");
    if (!record)
        return 1;
    const std::string text = Utf8(ownPath) + "\n" + Utf8(arguments ? arguments : L"") + "\n";
    const bool written = std::fwrite(text.data(), 1, text.size(), record) == text.size();
    return std::fclose(record) == 0 && written ? 0 : 1;
}
