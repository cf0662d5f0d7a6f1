#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "ZipFixture.h"
#include "maintenance/FolderPaths.h"
#include "maintenance/ZipExtractor.h"

namespace {

// Unpacks into <temp>\package\; the level above it shows whether anything escaped.
class ZipExtractorTest : public testing::Test {
protected:
    ZipExtractorTest() : m_root(L"maintenance-unzip"), m_destination(m_root.Path() + L"package") {}

    bool Extract(const ZipFixture& zip) {
        ZipFixture::Save(m_root.Path() + L"p.zip", zip.Build());
        return ZipExtractor::ExtractZipToFolder(m_root.Path() + L"p.zip", m_destination, &m_completed);
    }

    std::wstring InPackage(const std::wstring& relative) const { return m_destination + L"\\" + relative; }

    static std::string Read(const std::wstring& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

    bool Completed(const std::wstring& relative) const {
        std::wstring full = FolderPaths::GetFullPath(InPackage(relative));
        return std::any_of(m_completed.begin(), m_completed.end(),
                           [&full](const std::wstring& path) { return FolderPaths::IsSamePath(path, full); });
    }

    // Every file below the temporary root other than the package itself and the unpack folder.
    std::vector<std::wstring> Escaped() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_root.Path() + L"*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L".." && name != L"p.zip" && name != L"package")
                names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    TempFolder m_root;
    std::wstring m_destination;
    std::vector<std::wstring> m_completed;
};

TEST_F(ZipExtractorTest, UnpacksNestedFoldersUnderCleanedNames) {
    ZipFixture zip;
    zip.Add("sub/dir/file.bin", std::string(40000, 'b'));
    zip.Add("a/../x.txt", "x");
    zip.Add("C:\\dir\\y.txt", "y");
    ZipFixtureEntry folder;
    folder.name = "empty";
    folder.externalAttributes = 0x10;
    folder.data = "";
    zip.Add(folder);
    zip.Add("trailing/", "");
    ASSERT_TRUE(Extract(zip));

    EXPECT_EQ(std::string(40000, 'b'), Read(InPackage(L"sub\\dir\\file.bin")));
    EXPECT_EQ("x", Read(InPackage(L"x.txt")));
    EXPECT_EQ("y", Read(InPackage(L"dir\\y.txt")));
    EXPECT_TRUE(Attributes(InPackage(L"sub")) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(Attributes(InPackage(L"sub\\dir")) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, Attributes(InPackage(L"empty")));
    EXPECT_TRUE(Attributes(InPackage(L"empty")) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(Attributes(InPackage(L"trailing")) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(Completed(L"sub\\dir\\file.bin"));
    EXPECT_TRUE(Completed(L"x.txt"));
    EXPECT_EQ(3u, m_completed.size());
}

TEST_F(ZipExtractorTest, NoEntryIsWrittenOutsideThePackageFolder) {
    ZipFixture zip;
    for (const char* name : {"../up1.txt", "..\\up2.txt", "a/b/../../up3.txt", ".../up4.txt", ". ./up5.txt",
                             "\\\\?\\C:\\up6.txt", "nul", "dir/con.txt", "x.txt:stream"})
        zip.Add(name, "escaped");
    zip.Add("inside.txt", "kept");
    ASSERT_TRUE(Extract(zip));
    EXPECT_TRUE(Escaped().empty());
    EXPECT_EQ("kept", Read(InPackage(L"inside.txt")));
    EXPECT_EQ(std::vector<std::wstring>{FolderPaths::GetFullPath(InPackage(L"inside.txt"))}, m_completed);
}

TEST_F(ZipExtractorTest, AppliesAttributesAndTimes) {
    ZipFixture zip;
    ZipFixtureEntry hidden;
    hidden.name = "hidden.txt";
    hidden.data = "h";
    hidden.externalAttributes = 0x23; // read-only, hidden, archive
    zip.Add(hidden);
    ZipFixtureEntry unixFile;
    unixFile.name = "unix.txt";
    unixFile.data = "u";
    unixFile.versionMadeBy = 0x0314;
    unixFile.externalAttributes = 0100444UL << 16;
    unixFile.localExtra = ZipFixture::ExtendedTimestamp(3, {1000000000, 1100000000});
    zip.Add(unixFile);
    ASSERT_TRUE(Extract(zip));

    DWORD hiddenAttributes = Attributes(InPackage(L"hidden.txt"));
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
              hiddenAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
              Attributes(InPackage(L"unix.txt")) &
                  (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));

    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(InPackage(L"hidden.txt").c_str(), GetFileExInfoStandard, &data));
    FILETIME local, dos;
    DosDateTimeToFileTime(hidden.dosDate, hidden.dosTime, &local);
    LocalFileTimeToFileTime(&local, &dos);
    EXPECT_EQ(0, CompareFileTime(&dos, &data.ftLastWriteTime));

    ASSERT_TRUE(GetFileAttributesExW(InPackage(L"unix.txt").c_str(), GetFileExInfoStandard, &data));
    ULARGE_INTEGER write = {{data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}};
    EXPECT_EQ(1000000000ULL * 10000000ULL + 116444736000000000ULL, write.QuadPart);
}

TEST_F(ZipExtractorTest, ADamagedEntryDoesNotStopTheOthers) {
    ZipFixture zip;
    zip.Add("first.bin", std::string(20000, '1'));
    ZipFixtureEntry damaged;
    damaged.name = "damaged.bin";
    damaged.data = std::string(20000, 'd');
    damaged.deflate = false;
    damaged.damaged = true;
    zip.Add(damaged);
    ZipFixtureEntry inflateError;
    inflateError.name = "broken.bin";
    for (int i = 0; i < 5000; ++i)
        inflateError.data += std::to_string(i * 7919);
    inflateError.damaged = true;
    zip.Add(inflateError);
    ZipFixtureEntry encrypted;
    encrypted.name = "encrypted.bin";
    encrypted.data = "secret";
    encrypted.flags = 1;
    zip.Add(encrypted);
    zip.Add("last.bin", std::string(20000, '2'));
    ASSERT_TRUE(Extract(zip));

    EXPECT_EQ(std::string(20000, '1'), Read(InPackage(L"first.bin")));
    EXPECT_EQ(std::string(20000, '2'), Read(InPackage(L"last.bin")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, Attributes(InPackage(L"encrypted.bin")));
    EXPECT_TRUE(Completed(L"first.bin"));
    EXPECT_TRUE(Completed(L"last.bin"));
    EXPECT_FALSE(Completed(L"damaged.bin"));
    EXPECT_FALSE(Completed(L"broken.bin"));
    EXPECT_EQ(2u, m_completed.size());
}

TEST_F(ZipExtractorTest, AReadOnlyFileInTheFolderIsNotReplaced) {
    FolderPaths::CreateDirectoryPath(m_destination);
    ZipFixture::Save(InPackage(L"locked.txt"), "old");
    SetFileAttributesW(InPackage(L"locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE probe =
        CreateFileW(InPackage(L"locked.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "read-only files are writable here (Wine running as root)";
    }
    ZipFixture zip;
    zip.Add("locked.txt", "new");
    zip.Add("free.txt", "new");
    ASSERT_TRUE(Extract(zip));
    EXPECT_EQ("old", Read(InPackage(L"locked.txt")));
    EXPECT_EQ("new", Read(InPackage(L"free.txt")));
    EXPECT_FALSE(Completed(L"locked.txt"));
}

TEST_F(ZipExtractorTest, ALaterFailedEntryOfTheSameNameIsNotCompleted) {
    ZipFixture zip;
    zip.Add("Software-1.0.0.3.exe", "good");
    ZipFixtureEntry again;
    again.name = "Software-1.0.0.3.exe";
    again.data = std::string(5000, 'x');
    again.deflate = false;
    again.damaged = true;
    zip.Add(again);
    ASSERT_TRUE(Extract(zip));
    EXPECT_FALSE(Completed(L"Software-1.0.0.3.exe"));
}

// The checksum of such an entry is never compared: only its length shows that half a program arrived.
TEST_F(ZipExtractorTest, AnEntryEndingBeforeItsAnnouncedSizeIsNotCompleted) {
    for (bool deflate : {true, false}) {
        ZipFixture zip;
        ZipFixtureEntry half;
        half.name = "Software-1.0.0.3.exe";
        half.data = std::string(8000, 'h') + std::string(8000, 'z');
        half.deflate = deflate;
        half.packedLength = 8000;
        zip.Add(half);
        ASSERT_TRUE(Extract(zip));
        EXPECT_FALSE(Completed(L"Software-1.0.0.3.exe")) << (deflate ? "deflated" : "stored");
    }
}

TEST_F(ZipExtractorTest, RefusesWhatIsNoZip) {
    ZipFixture::Save(m_root.Path() + L"p.zip", "<html>Not Found</html>");
    EXPECT_FALSE(ZipExtractor::ExtractZipToFolder(m_root.Path() + L"p.zip", m_destination, &m_completed));
    EXPECT_FALSE(
        ZipExtractor::ExtractZipToFolder(m_root.Path() + L"missing.zip", m_destination, &m_completed));
    EXPECT_TRUE(m_completed.empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, Attributes(m_destination));
}

} // namespace
