#include <gtest/gtest.h>

#include "maintenance/VersionText.h"

namespace {

struct ComparisonCase {
    const wchar_t* a;
    const wchar_t* b;
    int expected;
};

const ComparisonCase kComparisons[] = {
    {L"1.0.0.2", L"1.0.0.2", VersionText::EQUAL},
    {L"1.0.0.2", L"1.0.0.10", VersionText::B_IS_NEWER}, // numbers, not text
    {L"1.0.0.2", L"1.0.1", VersionText::DIFFERENT_PART_COUNT},
    {L"1.0.0.2", L"0.9.9.9", VersionText::A_IS_NEWER},
    {L"1.0.0.2", L"1.0.0.3\n", VersionText::B_IS_NEWER}, // _wtoi stops at the line break
    {L"2.0", L"1.9", VersionText::A_IS_NEWER},
    {L"", L"", VersionText::EQUAL},
    {L"", L"1", VersionText::DIFFERENT_PART_COUNT},
    {L"1..2", L"1.0.2", VersionText::EQUAL}, // an empty part reads as 0
    {L"x.1", L"0.2", VersionText::B_IS_NEWER},
};

TEST(VersionText, ComparesPartByPartAsNumbers) {
    for (const ComparisonCase& c : kComparisons)
        EXPECT_EQ(c.expected, VersionText::CompareVersionStrings(c.a, c.b)) << c.a << L" vs " << c.b;
}

struct BodyCase {
    const wchar_t* body;
    bool software;
    bool firmware;
};

const BodyCase kBodies[] = {
    {L"", false, false},
    {L"1.0.0.3", true, false},
    {L"1.0.0.1000", true, false},   // 10 characters
    {L"1.0.0.10000", false, false}, // 11 characters
    {L"1.0.0.2-beta", false, false},
    {L"1.0.0.3\n", false, false},
    {L"105", true, true},
    {L"1234567890", true, true},
    {L"12345678901", false, false},
    {L"1..3", false, false},
    {L".3", false, false},
    {L"3.", false, false},
    {L"..\\x", false, false},
    {L"Not Found", false, false},
    {L"-105", false, false},
};

TEST(VersionText, AcceptsOnlyShortDottedNumbers) {
    for (const BodyCase& c : kBodies) {
        EXPECT_EQ(c.software, VersionText::IsSoftwareVersion(c.body)) << c.body;
        EXPECT_EQ(c.firmware, VersionText::IsFirmwareVersion(c.body)) << c.body;
    }
}

struct FirmwareCase {
    const wchar_t* published;
    int display;
    bool newer;
};

const FirmwareCase kFirmware[] = {
    {L"106", 0x0105, true},  {L"105", 0x0105, false},
    {L"9", 0x0105, false},   {L"106", -1, false}, // no display
    {L"11", 0x010A, true},                        // "10a" reads as 10
    {L"200", 0x0200, false},
};

TEST(VersionText, ComparesFirmwareByHexadecimalDigits) {
    for (const FirmwareCase& c : kFirmware)
        EXPECT_EQ(c.newer, VersionText::IsNewerFirmware(c.published, c.display))
            << c.published << " " << c.display;
}

} // namespace
