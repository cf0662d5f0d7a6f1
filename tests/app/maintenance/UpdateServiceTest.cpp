#include <gtest/gtest.h>

#include <vector>

#include "LoopbackUpdateServer.h"
#include "PostedMessages.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateService.h"

namespace {

// The service as the main window holds it, pointed at the loopback server through THERMIVO_UPDATE_URL.
TEST(UpdateService, RunsTheUpdateCommandsAndLeavesOthersAlone) {
    LoopbackUpdateServer server;
    ASSERT_TRUE(server.IsRunning());
    server.WriteFile("service/zentra/Z7/software/version", "1.0.0.3");
    server.WriteFile("service/zentra/Z7/firmware/version", "106");
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", server.Url(L"/service").c_str());
    std::vector<int> queued;
    std::vector<std::wstring> prompts;
    UpdateService service(
        [](int& version) {
            version = 0x0105;
            return true;
        },
        [&prompts](const wchar_t* text, const wchar_t*, int) {
            prompts.push_back(text);
            return 2u;
        },
        [&queued](int command) { queued.push_back(command); });
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", nullptr);
    PostedMessages messages;
    service.SetNotifyWindow(messages.Window());

    for (int command : {0, 1, 2, 9, -1})
        EXPECT_FALSE(service.RunCommand(command)) << command;
    EXPECT_TRUE(messages.Take(WM_UPDATE_RESULT).empty());
    EXPECT_TRUE(server.Requests().empty());

    struct Check {
        int command;
        WPARAM kind;
    };
    for (Check check : {Check{5, 1}, Check{3, 1}, Check{6, 2}, Check{4, 2}}) {
        EXPECT_TRUE(service.RunCommand(check.command));
        std::vector<MSG> results = messages.Take(WM_UPDATE_RESULT);
        ASSERT_EQ(1u, results.size()) << check.command;
        EXPECT_EQ(check.kind, results[0].wParam);
        EXPECT_EQ(1, results[0].lParam);
        service.OnUpdateResult(results[0].wParam, results[0].lParam);
    }
    EXPECT_EQ(L"Detected the latest version:v1.0.0.3, update now?", prompts.front());
    EXPECT_EQ(L"Detected the latest version:v106, update now?", prompts.back());
    EXPECT_TRUE(queued.empty()); // every prompt was answered "NO"
}

} // namespace
