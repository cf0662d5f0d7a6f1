#include "maintenance/PackageInstaller.h"

#include "maintenance/FolderPaths.h"
#include "maintenance/PackageDownloader.h"
#include "maintenance/UpdateChecker.h"
#include "maintenance/VersionText.h"
#include "maintenance/ZipExtractor.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

PackageInstaller::PackageInstaller(const UpdateChecker& versions, PackageDownloader& downloader,
                                   std::wstring dataFolder, Launcher launch, Ending end)
    : m_versions(versions), m_downloader(downloader), m_dataFolder(std::move(dataFolder)),
      m_launch(std::move(launch)), m_end(std::move(end)) {}

void PackageInstaller::RunSoftwareUpdate(HWND notify) {
    std::wstring version = m_versions.ServerSoftwareVersion();
    if (VersionText::IsSoftwareVersion(version))
        Run(m_versions.SoftwareBaseUrl(), L"Software-", version, notify);
}

void PackageInstaller::RunFirmwareUpdate(HWND notify) {
    std::wstring version = m_versions.ServerFirmwareVersion();
    if (VersionText::IsFirmwareVersion(version))
        Run(m_versions.FirmwareBaseUrl(), L"FirmwareUpdateTool-", version, notify);
}

std::wstring PackageInstaller::PackageFolder() const {
    return m_dataFolder + L"\\temp\\";
}

bool PackageInstaller::ShellLaunch(const std::wstring& program) {
    HINSTANCE result = ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void PackageInstaller::EndProcess() {
    exit(0);
}

// The version has been checked to be digits and dots, so the names below cannot leave the package folder.
void PackageInstaller::Run(const std::wstring& baseUrl, const wchar_t* prefix, const std::wstring& version,
                           HWND notify) {
    if (m_dataFolder.empty())
        return;
    std::wstring packageName = prefix + version + L".zip";
    std::wstring folder = PackageFolder();
    FolderPaths::CreateDirectoryPath(folder);
    std::wstring packagePath = folder + packageName;
    DeleteFileW(packagePath.c_str());
    if (m_downloader.DownloadUrlToFile(baseUrl + L"//" + packageName, packagePath, notify) !=
            PackageDownloader::DOWNLOAD_DONE ||
        !PathFileExistsW(packagePath.c_str()))
        return;
    // Running elevated: only the program that this package has just delivered is started.
    std::wstring programPath = folder + prefix + version + L".exe";
    if (!Unpack(packagePath, programPath) || !m_launch(programPath))
        return;
    m_end();
}

bool PackageInstaller::Unpack(const std::wstring& packagePath, const std::wstring& programPath) {
    std::vector<std::wstring> completed;
    if (!ZipExtractor::ExtractZipToFolder(packagePath, PackageFolder(), &completed))
        return false;
    DeleteFileW(packagePath.c_str());
    std::wstring fullProgram = FolderPaths::GetFullPath(programPath);
    return std::any_of(completed.begin(), completed.end(), [&fullProgram](const std::wstring& path) {
        return FolderPaths::IsSamePath(path, fullProgram);
    });
}
