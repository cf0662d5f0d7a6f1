#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "LoopbackUpdateServer.h"
#include "PostedMessages.h"
#include "TempFolder.h"
#include "ZipFixture.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/PackageDownloader.h"
#include "maintenance/PackageInstaller.h"
#include "maintenance/UpdateChecker.h"

namespace {

// The checker learns the versions from the loopback server; launching and ending are recorded.
class PackageInstallerTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new LoopbackUpdateServer(); }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(s_server->IsRunning());
        s_server->WriteFile("install/zentra/Z7/software/version", "1.0.0.3");
        s_server->WriteFile("install/zentra/Z7/firmware/version", "106");
    }

    std::unique_ptr<UpdateChecker> MakeChecker() {
        return std::make_unique<UpdateChecker>(
            [](int& version) {
                version = 0x0105;
                return true;
            },
            s_server->Url(L"/install/zentra/Z7/software/"), s_server->Url(L"/install/zentra/Z7/firmware/"),
            L"1.0.0.2");
    }

    PackageInstaller MakeInstaller(const UpdateChecker& checker) {
        return PackageInstaller(
            checker, m_downloader, m_data.Path(),
            [this](const std::wstring& program) {
                m_launched.push_back(program);
                return m_launchWorks;
            },
            [this] { ++m_ended; });
    }

    // Learns the software version, then runs command 7.
    void RunSoftwareUpdate() {
        auto checker = MakeChecker();
        checker->RunSoftwareCheck(true);
        ASSERT_EQ(L"1.0.0.3", checker->ServerSoftwareVersion());
        MakeInstaller(*checker).RunSoftwareUpdate(m_messages.Window());
    }

    void PublishSoftwarePackage(const ZipFixture& zip) {
        s_server->WriteFile("install/zentra/Z7/software/Software-1.0.0.3.zip", zip.Build());
    }

    std::wstring PackageFolder() const { return m_data.Path() + L"\\temp\\"; }

    bool Exists(const std::wstring& path) const {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    static LoopbackUpdateServer* s_server;
    TempFolder m_data{L"maintenance-data"};
    PackageDownloader m_downloader;
    PostedMessages m_messages;
    std::vector<std::wstring> m_launched;
    bool m_launchWorks = true;
    int m_ended = 0;
};

LoopbackUpdateServer* PackageInstallerTest::s_server = nullptr;

TEST_F(PackageInstallerTest, StartsTheDeliveredInstallerAndEnds) {
    ZipFixture zip;
    zip.Add("Software-1.0.0.3.exe", "MZ installer");
    zip.Add("docs/readme.txt", "read me");
    PublishSoftwarePackage(zip);
    s_server->ClearRequests();
    RunSoftwareUpdate();

    std::wstring program = PackageFolder() + L"Software-1.0.0.3.exe";
    EXPECT_EQ(std::vector<std::wstring>{program}, m_launched);
    EXPECT_EQ(1, m_ended);
    EXPECT_TRUE(Exists(program));
    EXPECT_TRUE(Exists(PackageFolder() + L"docs\\readme.txt"));
    EXPECT_FALSE(Exists(PackageFolder() + L"Software-1.0.0.3.zip")); // removed once unpacked
    // The package is asked for under the folder address followed by "//" and its name.
    std::vector<std::string> requests = s_server->Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ("/install/zentra/Z7/software///Software-1.0.0.3.zip", requests.back());
    std::vector<LPARAM> progress = m_messages.TakeValues(WM_DOWNLOAD_PROGRESS);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(100, progress.back());
}

TEST_F(PackageInstallerTest, StartsTheDeliveredFirmwareTool) {
    ZipFixture zip;
    zip.Add("FirmwareUpdateTool-106.exe", "MZ tool");
    s_server->WriteFile("install/zentra/Z7/firmware/FirmwareUpdateTool-106.zip", zip.Build());
    auto checker = MakeChecker();
    checker->RunFirmwareCheck(true);
    MakeInstaller(*checker).RunFirmwareUpdate(m_messages.Window());
    EXPECT_EQ(std::vector<std::wstring>{PackageFolder() + L"FirmwareUpdateTool-106.exe"}, m_launched);
    EXPECT_EQ(1, m_ended);
}

struct PackageCase {
    const char* what;
    const char* packageModes;  // how the server misbehaves on the package alone
    const std::string* served; // nullptr: no package on the server
};

TEST_F(PackageInstallerTest, NothingStartsUnlessThisPackageDeliveredTheProgram) {
    ZipFixture good;
    good.Add("Software-1.0.0.3.exe", "MZ installer");
    ZipFixture withoutProgram;
    withoutProgram.Add("readme.txt", "no program");
    ZipFixture programInSubfolder;
    programInSubfolder.Add("sub/Software-1.0.0.3.exe", "MZ installer");
    ZipFixture damagedProgram;
    ZipFixtureEntry damaged;
    damaged.name = "Software-1.0.0.3.exe";
    damaged.data = std::string(3000, 'M');
    damaged.deflate = false;
    damaged.damaged = true;
    damagedProgram.Add(damaged);
    const std::string goodBytes = good.Build();
    const std::string withoutProgramBytes = withoutProgram.Build();
    const std::string subfolderBytes = programInSubfolder.Build();
    const std::string damagedBytes = damagedProgram.Build();
    const std::string errorPage = "<html><body>Service Unavailable</body></html>";

    const PackageCase cases[] = {
        {"missing package", "", nullptr},
        {"error status", "status500", &goodBytes},
        {"short body", "short", &goodBytes},
        {"dropped connection", "drop", &goodBytes},
        {"not a zip", "", &errorPage},
        {"no program", "", &withoutProgramBytes},
        {"program in a subfolder", "", &subfolderBytes},
        {"damaged program", "", &damagedBytes},
    };
    const std::string package = "install/zentra/Z7/software/Software-1.0.0.3.zip";
    for (const PackageCase& c : cases) {
        TempFolder::RemoveTree(PackageFolder());
        // An older copy of the program is left in the folder: it must not be started either.
        CreateDirectoryW((m_data.Path() + L"\\temp").c_str(), nullptr);
        ZipFixture::Save(PackageFolder() + L"Software-1.0.0.3.exe", "MZ older copy");
        s_server->RemoveFile(package);
        if (c.served)
            s_server->WriteFile(package, *c.served);
        s_server->WriteFile(package + ".mode", c.packageModes);
        m_launched.clear();
        m_ended = 0;
        RunSoftwareUpdate();
        EXPECT_TRUE(m_launched.empty()) << c.what;
        EXPECT_EQ(0, m_ended) << c.what;
    }
    s_server->RemoveFile(package + ".mode");
}

TEST_F(PackageInstallerTest, AProgramThatWillNotStartKeepsTheApplicationRunning) {
    ZipFixture zip;
    zip.Add("Software-1.0.0.3.exe", "MZ installer");
    PublishSoftwarePackage(zip);
    m_launchWorks = false;
    RunSoftwareUpdate();
    EXPECT_EQ(1u, m_launched.size());
    EXPECT_EQ(0, m_ended);
}

TEST_F(PackageInstallerTest, WithoutAnOfferedVersionNothingIsRequested) {
    auto checker = MakeChecker();
    s_server->ClearRequests();
    PackageInstaller installer = MakeInstaller(*checker);
    installer.RunSoftwareUpdate(m_messages.Window());
    installer.RunFirmwareUpdate(m_messages.Window());
    EXPECT_TRUE(s_server->Requests().empty());
    EXPECT_TRUE(m_launched.empty());
    EXPECT_FALSE(Exists(PackageFolder()));
}

TEST_F(PackageInstallerTest, ShellLaunchReportsAProgramThatIsNotThere) {
    EXPECT_FALSE(PackageInstaller::ShellLaunch(m_data.Path() + L"missing.exe"));
}

} // namespace
