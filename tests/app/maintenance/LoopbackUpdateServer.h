// Test support: the loopback update server of tools/updateserver, started for one test process, with a
// folder of its own that tests fill with "version" files and packages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/KernelHandle.h"

class LoopbackUpdateServer {
public:
    // Starts the server; IsRunning() tells whether it came up.
    LoopbackUpdateServer();
    // Asks the server to stop and removes its folder.
    ~LoopbackUpdateServer();
    LoopbackUpdateServer(const LoopbackUpdateServer&) = delete;
    LoopbackUpdateServer& operator=(const LoopbackUpdateServer&) = delete;

    bool IsRunning() const { return m_port != 0; }
    // "http://127.0.0.1:<port>" followed by path (which starts with "/"; mode segments such as "/_short"
    // may be part of it).
    std::wstring Url(const std::wstring& path) const;
    // Writes a file below the served folder, relative path with "/" separators; folders are created.
    void WriteFile(const std::string& relativePath, const std::string& content) const;
    void RemoveFile(const std::string& relativePath) const;
    // The paths requested so far, oldest first; ClearRequests forgets them.
    std::vector<std::string> Requests() const;
    void ClearRequests() const;

private:
    std::wstring WindowsPath(const std::string& relativePath) const;

    std::string m_workFolder; // Linux path
    UniqueHandle m_process;
    unsigned m_port = 0;
};
