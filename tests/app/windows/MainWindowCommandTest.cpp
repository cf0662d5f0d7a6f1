// The window commands 101 and 102, which no menu offers: each queues a manual check on the worker, whose
// result comes back as the update-result message and reaches the message box.
#include <gtest/gtest.h>

#include <string>

#include "LoopbackUpdateServer.h"
#include "MainWindowFixture.h"

namespace {

class MainWindowCommandTest : public MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.IsRunning());
        SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", m_server.Url(L"").c_str());
    }

    // Until the server has been asked for path count times.
    bool WaitForRequests(const std::string& path, size_t count) {
        return PumpUntil(
            [&] {
                size_t seen = 0;
                for (const std::string& request : m_server.Requests())
                    seen += request.find(path) != std::string::npos ? 1 : 0;
                return seen >= count;
            },
            10000);
    }

    bool WaitForMessage() {
        return PumpUntil([this] { return !m_recorded.messageTexts.empty(); }, 10000);
    }

    LoopbackUpdateServer m_server;
};

TEST_F(MainWindowCommandTest, SoftwareCheckCommandReportsACurrentVersion) {
    m_server.WriteFile("zentra/Z7/software/version", "1.0.0.2");
    Open();
    // The automatic check at start-up says nothing about a current version.
    ASSERT_TRUE(WaitForRequests("software/version", 1));
    PumpMessages(200);
    EXPECT_TRUE(m_recorded.messageTexts.empty());
    SendMessageW(Window(), WM_COMMAND, DeviceMainDlg::kSoftwareCheckCommand, 0);
    ASSERT_TRUE(WaitForMessage());
    EXPECT_EQ(L"The software is the latest version!", m_recorded.messageTexts[0]);
}

TEST_F(MainWindowCommandTest, FirmwareCheckCommandOffersANewerFirmware) {
    ASSERT_TRUE(m_emulator.IsEmulator());
    m_emulator.Configure("displays=1;firmware=0x0102");
    Open();
    // The automatic check finds no version file yet and stays silent.
    ASSERT_TRUE(WaitForRequests("firmware/version", 1));
    m_server.WriteFile("zentra/Z7/firmware/version", "105");
    SendMessageW(Window(), WM_COMMAND, DeviceMainDlg::kFirmwareCheckCommand, 0);
    ASSERT_TRUE(WaitForMessage());
    EXPECT_EQ(L"Detected the latest version:v105, update now?", m_recorded.messageTexts[0]);
}

} // namespace
