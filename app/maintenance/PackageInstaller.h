// Commands 7 and 8: download the offered package into the data folder, unpack it and start the installer
// or firmware update tool that it delivered, then end the application.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class PackageDownloader;
class UpdateChecker;

class PackageInstaller {
public:
    // Starts the program without arguments; true when it was started.
    using Launcher = std::function<bool(const std::wstring& program)>;
    // Ends the application once the program runs.
    using Ending = std::function<void()>;

    // dataFolder ends in a backslash (FolderPaths::GetDataFolder).
    PackageInstaller(const UpdateChecker& versions, PackageDownloader& downloader, std::wstring dataFolder,
                     Launcher launch = ShellLaunch, Ending end = EndProcess);

    // Both return only when nothing was started (no version, a failed download or extraction, a package
    // without the expected program, a failed start); the application then keeps running.
    void RunSoftwareUpdate(HWND notify);
    void RunFirmwareUpdate(HWND notify);

    // The package folder: data folder + "\temp\" (the doubled backslash is harmless and kept throughout).
    std::wstring PackageFolder() const;

    static bool ShellLaunch(const std::wstring& program);
    static void EndProcess();

private:
    void Run(const std::wstring& baseUrl, const wchar_t* prefix, const std::wstring& version, HWND notify);
    bool Unpack(const std::wstring& packagePath, const std::wstring& programPath);

    const UpdateChecker& m_versions;
    PackageDownloader& m_downloader;
    const std::wstring m_dataFolder;
    Launcher m_launch;
    Ending m_end;
};
