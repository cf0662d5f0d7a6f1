#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LoopbackUpdateServer.h"
#include "PostedMessages.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateChecker.h"
#include "maintenance/UrlTextFetcher.h"

namespace {

class UpdateCheckTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new LoopbackUpdateServer(); }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_server->IsRunning()); }

    // A checker whose server folders carry the given mode segments (such as "/_short").
    std::unique_ptr<UpdateChecker> MakeChecker(const std::wstring& modes = L"") {
        auto checker = std::make_unique<UpdateChecker>(
            [this](int& version) {
                if (m_display < 0)
                    return false;
                version = m_display;
                return true;
            },
            s_server->Url(L"/check" + modes + L"/zentra/Z7/software/"),
            s_server->Url(L"/check" + modes + L"/zentra/Z7/firmware/"), L"1.0.0.2");
        checker->SetNotifyWindow(m_messages.Window());
        return checker;
    }

    std::vector<MSG> Results() { return m_messages.Take(WM_UPDATE_RESULT); }

    static LoopbackUpdateServer* s_server;
    PostedMessages m_messages;
    int m_display = 0x0105;
};

LoopbackUpdateServer* UpdateCheckTest::s_server = nullptr;

struct FetchCase {
    bool present;
    std::string served;
    const wchar_t* modes;
    int result;
    const wchar_t* text;
};

const FetchCase kFetches[] = {
    {true, "1.0.0.3", L"", UrlTextFetcher::FETCH_DONE, L"1.0.0.3"},
    {true, "1.0.0.3", L"/_nolength", UrlTextFetcher::FETCH_DONE, L"1.0.0.3"},
    {true, "", L"", UrlTextFetcher::FETCH_DONE, L""},
    {true, "caf\xC3\xA9", L"", UrlTextFetcher::FETCH_DONE, L"caf\u00E9"},
    {true, std::string("1.0\0.9", 6), L"", UrlTextFetcher::FETCH_DONE, L"1.0"}, // up to the first zero byte
    {true, "1.0.0.3", L"/_short", UrlTextFetcher::FETCH_FAILED, L""},
    {true, "1.0.0.3", L"/_drop", UrlTextFetcher::FETCH_FAILED, L""},
    {true, "1.0.0.3", L"/_status500", UrlTextFetcher::FETCH_FAILED, L""},
    {false, "", L"", UrlTextFetcher::FETCH_FAILED, L""}, // 404 with the 9-character page "Not Found"
    {true, std::string(70000, '1'), L"", UrlTextFetcher::FETCH_FAILED, L""}, // no "version" file is that big
};

TEST_F(UpdateCheckTest, FetchUrlTextReturnsTheBodyOnlyForAWholeSuccessfulAnswer) {
    for (const FetchCase& c : kFetches) {
        s_server->RemoveFile("fetch/version");
        if (c.present)
            s_server->WriteFile("fetch/version", c.served);
        UrlTextFetcher fetcher;
        std::wstring text = L"stale";
        EXPECT_EQ(c.result,
                  fetcher.FetchUrlText(s_server->Url(c.modes + std::wstring(L"/fetch/version")), text))
            << c.modes;
        EXPECT_EQ(c.text, text) << c.modes;
    }
}

TEST_F(UpdateCheckTest, FetchUrlTextFailsWhenNothingListens) {
    UrlTextFetcher fetcher;
    std::wstring text;
    EXPECT_EQ(UrlTextFetcher::FETCH_FAILED, fetcher.FetchUrlText(L"http://127.0.0.1:1/version", text));
}

struct SoftwareCase {
    const char* body;
    bool manual;
    int posted;    // -1 nothing, else lParam
    bool accepted; // false: the version learned before stays
};

const SoftwareCase kSoftware[] = {
    {"1.0.0.2", true, 0, true},
    {"1.0.0.2", false, -1, true},
    {"1.0.0.10", true, 1, true},
    {"1.0.0.10", false, 1, true},
    {"1.0.1", false, 1, true},
    {"0.9.9.9", true, 0, true},
    {"0.9.9.9", false, -1, true},
    {"", true, -1, false},
    {"1.0.0.1000", true, 1, true},    // 10 characters
    {"1.0.0.10000", true, -1, false}, // 11 characters
    {"1.0.0.2-beta", true, -1, false},
    {"1.0.0.3\n", true, -1, false},
    // Bodies that are no text: a picture's header, a cut UTF-8 sequence, bytes that are no UTF-8.
    {"\x89PNG\r\n\x1a\n", true, -1, false},
    {"1.0.0.\xC3", true, -1, false},
    {"\xFF\xFE\x31\x2E", true, -1, false},
};

TEST_F(UpdateCheckTest, SoftwareCheckPostsNewerAndManualCurrentResults) {
    for (const SoftwareCase& c : kSoftware) {
        auto checker = MakeChecker();
        s_server->WriteFile("check/zentra/Z7/software/version", "9.9.9.9");
        checker->RunSoftwareCheck(false);
        Results();
        s_server->WriteFile("check/zentra/Z7/software/version", c.body);
        checker->RunSoftwareCheck(c.manual);
        std::vector<MSG> results = Results();
        SCOPED_TRACE(testing::Message() << c.body << (c.manual ? " manual" : " automatic"));
        if (c.posted < 0) {
            EXPECT_TRUE(results.empty());
        } else {
            ASSERT_EQ(1u, results.size());
            EXPECT_EQ(UPDATE_KIND_SOFTWARE, results[0].wParam);
            EXPECT_EQ(c.posted, results[0].lParam);
        }
        std::string stored = c.accepted ? c.body : "9.9.9.9";
        EXPECT_EQ(std::wstring(stored.begin(), stored.end()), checker->ServerSoftwareVersion());
    }
}

struct FirmwareCase {
    const char* body;
    int display; // -1: no display
    bool manual;
    int posted;
};

const FirmwareCase kFirmware[] = {
    {"106", 0x0105, true, 1},        {"106", 0x0105, false, 1}, {"105", 0x0105, true, 0},
    {"105", 0x0105, false, -1},      {"9", 0x0105, true, 0},    {"106", -1, true, -1},
    {"106", -1, false, -1},          {"10a", 0x0105, true, -1}, {"\xFF\xFE", 0x0105, true, -1},
    {"1\xC3\xA9", 0x0105, true, -1},
};

TEST_F(UpdateCheckTest, FirmwareCheckComparesWithTheDisplay) {
    for (const FirmwareCase& c : kFirmware) {
        m_display = c.display;
        auto checker = MakeChecker();
        s_server->WriteFile("check/zentra/Z7/firmware/version", c.body);
        checker->RunFirmwareCheck(c.manual);
        std::vector<MSG> results = Results();
        SCOPED_TRACE(testing::Message() << c.body << " display " << c.display << (c.manual ? " manual" : ""));
        if (c.posted < 0) {
            EXPECT_TRUE(results.empty());
        } else {
            ASSERT_EQ(1u, results.size());
            EXPECT_EQ(UPDATE_KIND_FIRMWARE, results[0].wParam);
            EXPECT_EQ(c.posted, results[0].lParam);
        }
    }
}

TEST_F(UpdateCheckTest, FirmwareCheckForgetsThePreviousVersionFirst) {
    auto checker = MakeChecker();
    s_server->WriteFile("check/zentra/Z7/firmware/version", "106");
    checker->RunFirmwareCheck(true);
    EXPECT_EQ(L"106", checker->ServerFirmwareVersion());
    s_server->RemoveFile("check/zentra/Z7/firmware/version");
    checker->RunFirmwareCheck(true);
    EXPECT_EQ(L"", checker->ServerFirmwareVersion());
}

TEST_F(UpdateCheckTest, ABrokenServerNeverOffersAnUpdate) {
    s_server->WriteFile("check/zentra/Z7/software/version", "1.0.0.3");
    s_server->WriteFile("check/zentra/Z7/firmware/version", "106");
    for (const wchar_t* modes : {L"/_short", L"/_drop", L"/_status404", L"/_status503"}) {
        auto checker = MakeChecker(modes);
        checker->RunSoftwareCheck(true);
        checker->RunFirmwareCheck(true);
        EXPECT_TRUE(Results().empty()) << modes;
        EXPECT_EQ(L"", checker->ServerSoftwareVersion()) << modes;
    }
}

} // namespace
