#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <windows.h>

#include "shell/LiveCountReporter.h"

namespace {

class StatsFile : public testing::Test {
protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + L"stats" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        DeleteFileW(m_path.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"THERMIVO_STATS_FILE", nullptr);
        DeleteFileW(m_path.c_str());
    }

    std::string FirstLine() const {
        std::ifstream in(std::string(m_path.begin(), m_path.end()).c_str());
        std::string line;
        std::getline(in, line);
        return line;
    }

    std::wstring m_path;
};

TEST_F(StatsFile, OffWithoutTheVariable) {
    SetEnvironmentVariableW(L"THERMIVO_STATS_FILE", nullptr);
    LiveCountReporter reporter;
    EXPECT_FALSE(reporter.IsReporting());
}

TEST_F(StatsFile, FirstSampleIsWrittenAtOnceInItsFormat) {
    SetEnvironmentVariableW(L"THERMIVO_STATS_FILE", m_path.c_str());
    {
        LiveCountReporter reporter;
        EXPECT_TRUE(reporter.IsReporting());
    }
    long gdi = -1, gdiplus = -1, handles = -1;
    const std::string line = FirstLine();
    ASSERT_EQ(3, std::sscanf(line.c_str(), "gdi=%ld gdiplus=%ld handles=%ld", &gdi, &gdiplus, &handles))
        << line;
    EXPECT_GE(gdi, 0);
    EXPECT_GE(gdiplus, 0);
    EXPECT_GE(handles, 1) << "the reporter's own event is held open";
}

} // namespace
