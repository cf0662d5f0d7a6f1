// Downloads an update package to a file, posting WM_DOWNLOAD_PROGRESS notices to a window on the way.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

class InternetRequest;

class PackageDownloader {
public:
    enum Result { DOWNLOAD_FAILED = -1, DOWNLOAD_NO_SESSION = 0, DOWNLOAD_DONE = 1 };

    // DOWNLOAD_DONE when the whole body was written to path. On any failure (request, error status, file,
    // read or write, a body shorter than announced, a cancel) nothing received is left at path. notify may
    // be null.
    int DownloadUrlToFile(const std::wstring& url, const std::wstring& path, HWND notify);
    // Ends a running download after its current read (any thread).
    void Cancel() { m_keepReading = false; }

private:
    bool CopyBody(InternetRequest& request, HANDLE file, HWND notify);
    void PostProgress(HWND notify, int value);

    std::atomic<bool> m_keepReading{false};
    int m_lastProgress = 0;
};
