#include <gtest/gtest.h>

#include <windows.h>

#include "maintenance/ZipEntryAttributes.h"
#include "maintenance/ZipEntryName.h"
#include "maintenance/ZipEntryTimes.h"
#include "ZipFixture.h"

namespace {

struct NameCase {
    const wchar_t* stored;
    const wchar_t* cleaned;
    const wchar_t* relative; // nullptr: never written
};

const NameCase kNames[] = {
    {L"sub/dir/file.bin", L"sub/dir/file.bin", L"sub\\dir\\file.bin"},
    {L"a/../x.txt", L"x.txt", L"x.txt"},
    {L"C:\\dir\\x.txt", L"dir\\x.txt", L"dir\\x.txt"},
    {L"../x.txt", L"../x.txt", nullptr}, // no cleaning rule matches a leading ..
    {L"..\\x.txt", L"..\\x.txt", nullptr},
    {L"/abs/x.txt", L"abs/x.txt", L"abs\\x.txt"},
    {L"\\\\server\\share\\x.txt", L"server\\share\\x.txt", L"server\\share\\x.txt"},
    {L"\\\\?\\C:\\x.txt", L"?\\C:\\x.txt", nullptr},
    {L"a\\..\\b\\..\\c.txt", L"c.txt", L"c.txt"},
    {L"a/b/../../x.txt", L"../x.txt", nullptr},
    {L"C:/../x.txt", L"../x.txt", nullptr},
    {L"D:x.txt", L"x.txt", L"x.txt"},
    {L"./x.txt", L"./x.txt", L"x.txt"},
    {L"a//b.txt", L"a//b.txt", L"a\\b.txt"},
    {L"a/.../b.txt", L"a/.../b.txt", nullptr},
    {L"a/.. /b.txt", L"a/.. /b.txt", nullptr},
    {L"file.txt:stream", L"file.txt:stream", nullptr},
    {L"a?.txt", L"a?.txt", nullptr},
    {L"tab\t.txt", L"tab\t.txt", nullptr},
    {L"CON", L"CON", nullptr},
    {L"dir/aux.txt", L"dir/aux.txt", nullptr},
    {L"lpt1 .log", L"lpt1 .log", nullptr},
    {L"COM\u00B9", L"COM\u00B9", nullptr},
    {L"COMA.txt", L"COMA.txt", L"COMA.txt"},
    {L"console.txt", L"console.txt", L"console.txt"},
    {L"folder/", L"folder/", L"folder"},
    {L"/", L"", nullptr},
    {L"", L"", nullptr},
};

TEST(ZipEntryName, CleansAndKeepsEveryNameInsideTheFolder) {
    for (const NameCase& c : kNames) {
        std::wstring cleaned = ZipEntryName::Clean(c.stored);
        EXPECT_EQ(c.cleaned, cleaned) << c.stored;
        std::wstring relative;
        bool writable = ZipEntryName::ToRelativePath(cleaned, relative);
        EXPECT_EQ(c.relative != nullptr, writable) << c.stored;
        if (c.relative && writable) {
            EXPECT_EQ(c.relative, relative) << c.stored;
        }
    }
}

TEST(ZipEntryName, ReadsStoredNamesInTheAnsiCodePage) {
    std::string stored = "caf\xE9.txt";
    wchar_t expected[16] = {};
    MultiByteToWideChar(CP_ACP, 0, stored.c_str(), -1, expected, 16);
    EXPECT_EQ(expected, ZipEntryName::FromArchive(stored));
}

struct AttributeCase {
    unsigned long versionMadeBy;
    unsigned long external;
    DWORD expected;
};

const AttributeCase kAttributes[] = {
    {0x0014, 0x21, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
    {0x0014, 0x06, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
    {0x0014, 0x10, FILE_ATTRIBUTE_DIRECTORY},
    {0x0714, 0x02, FILE_ATTRIBUTE_HIDDEN},
    {0x0B14, 0x01, FILE_ATTRIBUTE_READONLY},
    {0x0E14, 0x20, FILE_ATTRIBUTE_ARCHIVE},
    {0x0314, 0100644UL << 16, FILE_ATTRIBUTE_ARCHIVE},
    {0x0314, 0100444UL << 16, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},
    {0x0314, 040755UL << 16, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_DIRECTORY},
    {0x0314, (0100644UL << 16) | 0x07, FILE_ATTRIBUTE_ARCHIVE}, // DOS bits mean nothing from Unix hosts
};

TEST(ZipEntryAttributes, ReadDosBitsOrTheUnixMode) {
    for (const AttributeCase& c : kAttributes)
        EXPECT_EQ(c.expected, ZipEntryAttributes::FromArchive(c.versionMadeBy, c.external))
            << std::hex << c.versionMadeBy << " " << c.external;
}

uint64_t Value(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

uint64_t FromUnix(int64_t seconds) {
    return seconds * 10000000ULL + 116444736000000000ULL;
}

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

TEST(ZipEntryTimes, DosTimeIsLocalTime) {
    const unsigned long dosDate = (0x5A21UL << 16) | 0x6000; // 2025-01-01 12:00:00
    FILETIME local, utc;
    DosDateTimeToFileTime(0x5A21, 0x6000, &local);
    LocalFileTimeToFileTime(&local, &utc);
    ZipEntryTimes times = ZipEntryTimes::FromArchive(dosDate, {});
    EXPECT_EQ(Value(utc), Value(times.lastWrite));
    EXPECT_EQ(Value(utc), Value(times.lastAccess));
    EXPECT_EQ(Value(utc), Value(times.creation));
}

TEST(ZipEntryTimes, ExtendedTimestampReplacesTheTimesItCarries) {
    const unsigned long dosDate = (0x5A21UL << 16) | 0x6000;
    uint64_t dos = Value(ZipEntryTimes::FromArchive(dosDate, {}).lastWrite);
    std::string other = std::string("\x0A\xCA\x02\x00\x01\x02", 6); // an unrelated record first

    ZipEntryTimes all = ZipEntryTimes::FromArchive(
        dosDate, Bytes(other + ZipFixture::ExtendedTimestamp(7, {1000000000, 1100000000, 900000000})));
    EXPECT_EQ(FromUnix(1000000000), Value(all.lastWrite));
    EXPECT_EQ(FromUnix(1100000000), Value(all.lastAccess));
    EXPECT_EQ(FromUnix(900000000), Value(all.creation));

    ZipEntryTimes accessOnly =
        ZipEntryTimes::FromArchive(dosDate, Bytes(ZipFixture::ExtendedTimestamp(2, {1234567890})));
    EXPECT_EQ(dos, Value(accessOnly.lastWrite));
    EXPECT_EQ(FromUnix(1234567890), Value(accessOnly.lastAccess));
    EXPECT_EQ(dos, Value(accessOnly.creation));

    // Flags that promise more times than the record holds: only what is there is read.
    ZipEntryTimes truncated =
        ZipEntryTimes::FromArchive(dosDate, Bytes(ZipFixture::ExtendedTimestamp(7, {1000000000})));
    EXPECT_EQ(FromUnix(1000000000), Value(truncated.lastWrite));
    EXPECT_EQ(dos, Value(truncated.lastAccess));

    // A record that runs past the field is ignored.
    std::string cut = ZipFixture::ExtendedTimestamp(1, {1000000000});
    cut.resize(cut.size() - 1);
    EXPECT_EQ(dos, Value(ZipEntryTimes::FromArchive(dosDate, Bytes(cut)).lastWrite));
}

} // namespace
