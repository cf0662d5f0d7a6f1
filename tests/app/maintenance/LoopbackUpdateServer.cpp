#include "LoopbackUpdateServer.h"

#include <wininet.h>

#include <fstream>
#include <sstream>

#include "TempFolder.h"
#include "maintenance/FolderPaths.h"
#include "maintenance/InternetHandle.h"

namespace {

const DWORD kStartTimeoutMs = 10000;

// Wine maps the Linux root to drive Z:.
std::wstring FromLinuxPath(const std::string& path) {
    std::wstring windows = L"Z:";
    for (char c : path)
        windows.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return windows;
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

unsigned ReadPort(const std::wstring& portFile) {
    std::ifstream in(portFile.c_str());
    unsigned port = 0;
    in >> port;
    return port;
}

} // namespace

LoopbackUpdateServer::LoopbackUpdateServer() {
    std::ostringstream folder;
    folder << UPDATESERVER_WORK_ROOT << "/" << GetCurrentProcessId();
    m_workFolder = folder.str();
    FolderPaths::CreateDirectoryPath(FromLinuxPath(m_workFolder + "/root"));
    std::wstring portFile = FromLinuxPath(m_workFolder + "/port");
    DeleteFileW(portFile.c_str());

    std::wstring command = L"\"" + FromLinuxPath(UPDATESERVER_PYTHON) + L"\" \"" +
                           Widen(UPDATESERVER_SCRIPT) + L"\" --root \"" + Widen(m_workFolder + "/root") +
                           L"\" --port-file \"" + Widen(m_workFolder + "/port") + L"\" --log \"" +
                           Widen(m_workFolder + "/requests") + L"\" --lifetime 300";
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    CloseHandle(process.hThread);
    m_process.Reset(process.hProcess);
    for (DWORD waited = 0; waited < kStartTimeoutMs && m_port == 0; waited += 20) {
        Sleep(20);
        m_port = ReadPort(portFile);
    }
}

LoopbackUpdateServer::~LoopbackUpdateServer() {
    if (m_port != 0) {
        InternetHandle session(InternetOpenA("test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
        std::string quit = "http://127.0.0.1:" + std::to_string(m_port) + "/_quit";
        InternetHandle request(
            InternetOpenUrlA(session.Get(), quit.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    }
    if (m_process.IsValid())
        WaitForSingleObject(m_process.Get(), 5000);
    TempFolder::RemoveTree(FromLinuxPath(m_workFolder));
}

std::wstring LoopbackUpdateServer::Url(const std::wstring& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(m_port) + path;
}

void LoopbackUpdateServer::WriteFile(const std::string& relativePath, const std::string& content) const {
    std::wstring path = WindowsPath(relativePath);
    FolderPaths::CreateDirectoryPath(path.substr(0, path.rfind(L'\\')));
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void LoopbackUpdateServer::RemoveFile(const std::string& relativePath) const {
    DeleteFileW(WindowsPath(relativePath).c_str());
}

std::wstring LoopbackUpdateServer::WindowsPath(const std::string& relativePath) const {
    return FromLinuxPath(m_workFolder + "/root/" + relativePath);
}

std::vector<std::string> LoopbackUpdateServer::Requests() const {
    std::ifstream in(FromLinuxPath(m_workFolder + "/requests").c_str());
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line);)
        paths.push_back(line);
    return paths;
}

void LoopbackUpdateServer::ClearRequests() const {
    DeleteFileW(FromLinuxPath(m_workFolder + "/requests").c_str());
}
