#include "maintenance/PackageDownloader.h"

#include "maintenance/InternetRequest.h"
#include "maintenance/MaintenanceMessages.h"
#include "shell/KernelHandle.h"

#include <vector>

namespace {

const DWORD kPieceSize = 10240;

} // namespace

int PackageDownloader::DownloadUrlToFile(const std::wstring& url, const std::wstring& path, HWND notify) {
    m_keepReading = true;
    PostProgress(notify, 0);
    InternetRequest request;
    if (!request.OpenSession())
        return DOWNLOAD_NO_SESSION;
    PostProgress(notify, 2);
    if (!request.OpenUrl(url))
        return DOWNLOAD_FAILED;
    PostProgress(notify, 8);
    // An error page saved under the package name would pass for the package.
    if (!request.Succeeded())
        return DOWNLOAD_FAILED;
    DeleteFileW(path.c_str());
    bool copied;
    {
        UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid())
            return DOWNLOAD_FAILED;
        copied = CopyBody(request, file.Get(), notify);
    }
    if (!copied) {
        DeleteFileW(path.c_str());
        return DOWNLOAD_FAILED;
    }
    PostProgress(notify, 100);
    return DOWNLOAD_DONE;
}

bool PackageDownloader::CopyBody(InternetRequest& request, HANDLE file, HWND notify) {
    DWORD announced = 0;
    bool hasLength = request.QueryContentLength(announced);
    DWORD steps = announced / kPieceSize;
    PostProgress(notify, 10);
    DWORD sum = 0;
    DWORD total = 0;
    std::vector<char> piece(kPieceSize);
    for (;;) {
        DWORD read = 0;
        if (!request.Read(piece.data(), kPieceSize, read))
            return false;
        if (read == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(file, piece.data(), read, &written, nullptr) || written != read)
            return false;
        total += read;
        // Each piece counts 90 / steps whatever its size, so short reads carry the value past 100.
        sum += 90;
        if (steps != 0)
            PostProgress(notify, static_cast<int>(sum / steps + 10));
        if (!m_keepReading)
            return false;
    }
    return !hasLength || total == announced;
}

void PackageDownloader::PostProgress(HWND notify, int value) {
    if (!notify || value == m_lastProgress)
        return;
    m_lastProgress = value;
    PostMessageW(notify, WM_DOWNLOAD_PROGRESS, 0, value);
}
