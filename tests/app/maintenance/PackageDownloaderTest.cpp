#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackUpdateServer.h"
#include "PostedMessages.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/PackageDownloader.h"

namespace {

class PackageDownloaderTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new LoopbackUpdateServer(); }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(s_server->IsRunning());
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        m_target = std::wstring(folder) + L"maintenance-download-" + std::to_wstring(GetCurrentProcessId()) +
                   L".zip";
        DeleteFileW(m_target.c_str());
    }
    void TearDown() override { DeleteFileW(m_target.c_str()); }

    static std::string Pattern(size_t size) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        return bytes;
    }

    std::string ReadTarget() const {
        std::ifstream in(m_target.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool TargetExists() const { return GetFileAttributesW(m_target.c_str()) != INVALID_FILE_ATTRIBUTES; }

    static LoopbackUpdateServer* s_server;
    PostedMessages m_messages;
    PackageDownloader m_downloader;
    std::wstring m_target;
};

LoopbackUpdateServer* PackageDownloaderTest::s_server = nullptr;

TEST_F(PackageDownloaderTest, PostsProgressPerPieceOfTheAnnouncedLength) {
    std::string package = Pattern(25000);
    s_server->WriteFile("download/package.zip", package);
    EXPECT_EQ(PackageDownloader::DOWNLOAD_DONE,
              m_downloader.DownloadUrlToFile(s_server->Url(L"/download/package.zip"), m_target,
                                             m_messages.Window()));
    EXPECT_EQ(package, ReadTarget());
    // Pieces of 10240, 10240 and 4520 bytes against 2 steps: the value passes 100 before the final 100.
    EXPECT_EQ((std::vector<LPARAM>{2, 8, 10, 55, 100, 145, 100}),
              m_messages.TakeValues(WM_DOWNLOAD_PROGRESS));
    EXPECT_TRUE(m_messages.Take(WM_USER + 666).empty()) << "progress must not look like tray mouse events";

    // The last value posted was 100, so the next download starts with 0.
    m_downloader.DownloadUrlToFile(s_server->Url(L"/download/package.zip"), m_target, m_messages.Window());
    std::vector<LPARAM> second = m_messages.TakeValues(WM_DOWNLOAD_PROGRESS);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(0, second.front());
}

TEST_F(PackageDownloaderTest, WithoutALengthOnlyTheFixedStepsArePosted) {
    std::string package = Pattern(30000);
    s_server->WriteFile("download/package.zip", package);
    EXPECT_EQ(PackageDownloader::DOWNLOAD_DONE,
              m_downloader.DownloadUrlToFile(s_server->Url(L"/_nolength/download/package.zip"), m_target,
                                             m_messages.Window()));
    EXPECT_EQ(package, ReadTarget());
    EXPECT_EQ((std::vector<LPARAM>{2, 8, 10, 100}), m_messages.TakeValues(WM_DOWNLOAD_PROGRESS));
}

TEST_F(PackageDownloaderTest, WorksWithoutANotificationWindow) {
    s_server->WriteFile("download/package.zip", Pattern(5000));
    EXPECT_EQ(PackageDownloader::DOWNLOAD_DONE,
              m_downloader.DownloadUrlToFile(s_server->Url(L"/download/package.zip"), m_target, nullptr));
    EXPECT_EQ(5000u, ReadTarget().size());
}

struct FailureCase {
    const wchar_t* path;
    std::vector<LPARAM> progress;
};

TEST_F(PackageDownloaderTest, AFailedDownloadLeavesNoFile) {
    s_server->WriteFile("download/package.zip", Pattern(25000));
    const FailureCase cases[] = {
        {L"/_short/download/package.zip", {2, 8, 10, 55, 100, 145}},
        {L"/_status404/download/package.zip", {2, 8}}, // an error page is not saved as the package
        {L"/download/missing.zip", {2, 8}},
        // Whether the request or the status query notices the dropped connection depends on WinINet.
        {L"/_drop/download/package.zip", {}},
    };
    for (const FailureCase& c : cases) {
        EXPECT_EQ(PackageDownloader::DOWNLOAD_FAILED,
                  m_downloader.DownloadUrlToFile(s_server->Url(c.path), m_target, m_messages.Window()))
            << c.path;
        EXPECT_FALSE(TargetExists()) << c.path;
        std::vector<LPARAM> progress = m_messages.TakeValues(WM_DOWNLOAD_PROGRESS);
        if (!progress.empty() && progress.front() == 0)
            progress.erase(progress.begin());
        if (!c.progress.empty()) {
            EXPECT_EQ(c.progress, progress) << c.path;
        }
    }
}

TEST_F(PackageDownloaderTest, ACancelEndsTheDownloadAndLeavesNoFile) {
    s_server->WriteFile("download/slow.zip", Pattern(200000));
    int result = 0;
    std::thread worker([&] {
        result = m_downloader.DownloadUrlToFile(s_server->Url(L"/_slow/download/slow.zip"), m_target,
                                                m_messages.Window());
    });
    // Cancel once the first piece has arrived (the first value above 10).
    DWORD start = GetTickCount();
    bool pieceArrived = false;
    while (!pieceArrived && GetTickCount() - start < 10000) {
        for (LPARAM value : m_messages.TakeValues(WM_DOWNLOAD_PROGRESS))
            pieceArrived = pieceArrived || value > 10;
        Sleep(10);
    }
    m_downloader.Cancel();
    worker.join();
    EXPECT_TRUE(pieceArrived);
    EXPECT_EQ(PackageDownloader::DOWNLOAD_FAILED, result);
    EXPECT_FALSE(TargetExists());
    EXPECT_TRUE(GetTickCount() - start < 3000) << "the download went on after the cancel";
}

} // namespace
