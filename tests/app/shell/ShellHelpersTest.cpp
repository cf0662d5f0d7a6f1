#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

#include "shell/DebugPrivilege.h"
#include "shell/KernelHandle.h"
#include "shell/ModuleDirectory.h"
#include "shell/WindowsVersion.h"

namespace {

TEST(ModuleDirectory, IsTheExecutablesFolderWithABackslash) {
    std::wstring folder = GetModuleDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(L'\\', folder.back());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder + L"test_app_shell.exe").c_str()));
}

TEST(WindowsVersion, MissingModuleOrFunctionAnswersFalseWithALine) {
    static const struct {
        const wchar_t* module;
        const char* function;
        const char* line;
    } kCases[] = {
        {L"no_such_module_42.dll", "RtlGetNtVersionNumbers", u8"无法加载 ntdll.dll\n"},
        {L"ntdll.dll", "NoSuchFunction42", u8"无法获取 RtlGetNtVersionNumbers 函数的地址\n"},
    };
    for (const auto& c : kCases) {
        testing::internal::CaptureStderr();
        bool answer = IsWindows10OrLaterFrom(c.module, c.function);
        std::string written = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(answer);
        // The line may end in CR LF on a text-mode stream.
        written.erase(std::remove(written.begin(), written.end(), '\r'), written.end());
        EXPECT_EQ(c.line, written);
    }
}

TEST(WindowsVersion, AnswerMatchesTheReportedMajorVersion) {
    testing::internal::CaptureStderr();
    bool answer = IsWindows10OrLater();
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto getVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(nullptr, getVersion);
    getVersion(&version);
    EXPECT_EQ(version.dwMajorVersion >= 10, answer);
}

// The answer must agree with what the token then holds.
TEST(DebugPrivilege, AnswerMatchesTheToken) {
    bool enabled = EnableDebugPrivilege();
    HANDLE rawToken = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken));
    UniqueHandle token(rawToken);
    LUID debug = {};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &debug));
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    ASSERT_TRUE(GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size));
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    bool held = false;
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
        if (entry.Luid.LowPart == debug.LowPart && entry.Luid.HighPart == debug.HighPart)
            held = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    EXPECT_EQ(held, enabled);
}

TEST(KernelHandle, CountsWhatItHoldsAndReleasesItOnce) {
    long before = KernelHandleCount::Live();
    {
        UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ASSERT_TRUE(event.IsValid());
        EXPECT_EQ(before + 1, KernelHandleCount::Live());
        UniqueHandle moved(std::move(event));
        EXPECT_FALSE(event.IsValid());
        EXPECT_TRUE(moved.IsValid());
        EXPECT_EQ(before + 1, KernelHandleCount::Live());
        moved.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        EXPECT_EQ(before + 1, KernelHandleCount::Live());
    }
    EXPECT_EQ(before, KernelHandleCount::Live());
}

TEST(KernelHandle, FailureValuesAreHeldAsNothing) {
    long before = KernelHandleCount::Live();
    UniqueHandle invalid(INVALID_HANDLE_VALUE);
    UniqueHandle null(nullptr);
    EXPECT_FALSE(invalid.IsValid());
    EXPECT_FALSE(null.IsValid());
    EXPECT_EQ(before, KernelHandleCount::Live());
}

} // namespace
