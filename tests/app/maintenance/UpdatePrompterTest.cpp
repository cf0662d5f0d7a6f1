#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoopbackUpdateServer.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateChecker.h"
#include "maintenance/UpdatePrompter.h"

namespace {

struct Prompt {
    std::wstring text;
    std::wstring title;
    int mode;
};

// Answers every prompt with one fixed result and records what was shown and queued.
class UpdatePrompterTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new LoopbackUpdateServer(); }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(s_server->IsRunning()); }

    UpdatePrompter MakePrompter() {
        return UpdatePrompter(
            m_checker,
            [this](const wchar_t* text, const wchar_t* title, int mode) {
                m_prompts.push_back({text, title, mode});
                return m_answer;
            },
            [this](int command) { m_queued.push_back(command); });
    }

    // Lets the checker learn versions from the server, so the prompts have something to show.
    void Publish(const std::string& software, const std::string& firmware) {
        s_server->WriteFile("prompter/zentra/Z7/software/version", software);
        s_server->WriteFile("prompter/zentra/Z7/firmware/version", firmware);
        m_checker.RunSoftwareCheck(true);
        m_checker.RunFirmwareCheck(true);
    }

    static LoopbackUpdateServer* s_server;
    UpdateChecker m_checker{[](int& version) {
                                version = 0x0105;
                                return true;
                            },
                            s_server->Url(L"/prompter/zentra/Z7/software/"),
                            s_server->Url(L"/prompter/zentra/Z7/firmware/"), L"1.0.0.2"};
    unsigned m_answer = 1;
    std::vector<Prompt> m_prompts;
    std::vector<int> m_queued;
};

LoopbackUpdateServer* UpdatePrompterTest::s_server = nullptr;

struct ResultCase {
    WPARAM kind;
    LPARAM newer;
    unsigned answer;
    const wchar_t* text; // nullptr: no prompt
    const wchar_t* title;
    int mode;
    int queued; // 0: nothing
};

const ResultCase kResults[] = {
    {1, 0, 1, L"The software is the latest version!", L"Software Updates", 0, 0},
    {1, 1, 1, L"Detected the latest version:v1.0.0.3, update now?", L"Software Updates", 4, 7},
    {1, 1, 2, L"Detected the latest version:v1.0.0.3, update now?", L"Software Updates", 4, 0},
    {1, 7, 1, L"Detected the latest version:v1.0.0.3, update now?", L"Software Updates", 4, 7},
    {2, 0, 1, L"The Firmware is the latest version!", L"Firmware Updates", 0, 0},
    {2, 1, 1, L"Detected the latest version:v106, update now?", L"Firmware Updates", 4, 8},
    {2, 1, 2, L"Detected the latest version:v106, update now?", L"Firmware Updates", 4, 0},
    {2, 1, 0, L"Detected the latest version:v106, update now?", L"Firmware Updates", 4,
     0}, // closed otherwise
    {0, 1, 1, nullptr, nullptr, 0, 0},
    {3, 1, 1, nullptr, nullptr, 0, 0},
};

TEST_F(UpdatePrompterTest, ShowsTheResultAndQueuesTheDownloadOnYes) {
    Publish("1.0.0.3", "106");
    for (const ResultCase& c : kResults) {
        m_prompts.clear();
        m_queued.clear();
        m_answer = c.answer;
        UpdatePrompter prompter = MakePrompter();
        EXPECT_EQ(0, prompter.OnUpdateResult(c.kind, c.newer));
        SCOPED_TRACE(testing::Message()
                     << "kind " << c.kind << " newer " << c.newer << " answer " << c.answer);
        if (!c.text) {
            EXPECT_TRUE(m_prompts.empty());
        } else {
            ASSERT_EQ(1u, m_prompts.size());
            EXPECT_EQ(c.text, m_prompts[0].text);
            EXPECT_EQ(c.title, m_prompts[0].title);
            EXPECT_EQ(c.mode, m_prompts[0].mode);
        }
        EXPECT_EQ(c.queued ? std::vector<int>{c.queued} : std::vector<int>{}, m_queued);
    }
}

} // namespace
