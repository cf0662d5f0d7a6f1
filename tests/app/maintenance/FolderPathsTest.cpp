#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "TempFolder.h"
#include "maintenance/FolderPaths.h"
#include "maintenance/UpdateServer.h"

namespace {

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FolderPaths, DataFolderIsTempFilesInLocalAppData) {
    wchar_t local[MAX_PATH + 1];
    ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, local));
    EXPECT_EQ(std::wstring(local) + L"\\TEMP Files\\", FolderPaths::GetDataFolder());
}

TEST(FolderPaths, CreatesEveryMissingLevel) {
    TempFolder root(L"maintenance-folders");
    const std::wstring cases[] = {
        root.Path() + L"a\\b\\c",
        root.Path() + L"a\\b\\c",              // exists already
        root.Path() + L"d\\e\\",               // trailing backslash
        root.Path() + L"TEMP Files\\\\temp\\", // the package folder's doubled backslash
    };
    for (const std::wstring& path : cases) {
        EXPECT_TRUE(FolderPaths::CreateDirectoryPath(path)) << path;
        EXPECT_TRUE(IsFolder(path)) << path;
    }
    EXPECT_TRUE(IsFolder(root.Path() + L"TEMP Files\\temp"));
}

TEST(FolderPaths, FailsWhereAFileStands) {
    TempFolder root(L"maintenance-folders");
    HANDLE file =
        CreateFileW((root.Path() + L"file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    EXPECT_FALSE(FolderPaths::CreateDirectoryPath(root.Path() + L"file\\sub"));
}

TEST(FolderPaths, FullPathsAndComparison) {
    EXPECT_EQ(L"C:\\a\\c", FolderPaths::GetFullPath(L"C:\\a\\b\\..\\c"));
    EXPECT_EQ(L"C:\\a\\b", FolderPaths::GetFullPath(L"C:/a//b"));
    EXPECT_TRUE(FolderPaths::IsSamePath(L"C:\\Temp\\X.exe", L"c:\\temp\\x.EXE"));
    EXPECT_FALSE(FolderPaths::IsSamePath(L"C:\\Temp\\X.exe", L"C:\\Temp\\X.exe2"));
}

TEST(UpdateServer, BuildHostUnlessTheEnvironmentNamesAnother) {
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", nullptr);
    EXPECT_EQ(std::wstring(L"" THERMIVO_UPDATE_HOST), UpdateServer::Host());
    EXPECT_EQ(UpdateServer::Host() + L"/zentra/Z7/software/", UpdateServer::SoftwareBaseUrl());

    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", L"http://127.0.0.1:8080/");
    EXPECT_EQ(L"http://127.0.0.1:8080/", UpdateServer::Host());
    EXPECT_EQ(L"http://127.0.0.1:8080/zentra/Z7/software/", UpdateServer::SoftwareBaseUrl());
    EXPECT_EQ(L"http://127.0.0.1:8080/zentra/Z7/firmware/", UpdateServer::FirmwareBaseUrl());
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", nullptr);
}

} // namespace
