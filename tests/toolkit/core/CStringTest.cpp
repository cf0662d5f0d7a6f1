#include <gtest/gtest.h>

#include "core/CString.h"
#include "core/CStringException.h"

using Vantix::CString;
using Vantix::CStringException;

namespace {

HRESULT ErrorOf(void (*operation)()) {
    try {
        operation();
    } catch (const CStringException& error) {
        return error.GetErrorCode();
    }
    return S_OK;
}

} // namespace

TEST(CString, NullConstructionGivesEmptyString) {
    CString text(static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_STREQ(L"", text.GetString());
}

TEST(CString, CopiesShareTextUntilOneIsWritten) {
    CString original(L"theme1\\");
    CString copy(original);
    EXPECT_EQ(original.GetString(), copy.GetString());

    copy.MakeUpper();
    EXPECT_STREQ(L"theme1\\", original.GetString());
    EXPECT_STREQ(L"THEME1\\", copy.GetString());
    EXPECT_NE(original.GetString(), copy.GetString());
}

TEST(CString, EveryWriterLeavesOtherCopiesAlone) {
    struct Case {
        const char* name;
        void (*write)(CString&);
        const wchar_t* expected;
    };
    static const Case cases[] = {
        {"append", [](CString& s) { s += L"!"; }, L"a b a!"},
        {"replace text", [](CString& s) { s.Replace(L"a", L"xy"); }, L"xy b xy"},
        {"replace char", [](CString& s) { s.Replace(L'a', L'z'); }, L"z b z"},
        {"set at", [](CString& s) { s.SetAt(0, L'q'); }, L"q b a"},
        {"lower", [](CString& s) { s.MakeUpper().MakeLower(); }, L"a b a"},
        {"buffer",
         [](CString& s) {
             s.GetBuffer()[1] = L'_';
             s.ReleaseBuffer();
         },
         L"a_b a"},
        {"empty", [](CString& s) { s.Empty(); }, L""},
        {"format", [](CString& s) { s.Format(L"%d", 7); }, L"7"},
    };
    for (const Case& c : cases) {
        CString original(L"a b a");
        CString copy(original);
        c.write(copy);
        EXPECT_STREQ(L"a b a", original.GetString()) << c.name;
        EXPECT_STREQ(c.expected, copy.GetString()) << c.name;
    }
}

TEST(CString, AppendingItselfDoublesTheText) {
    CString text(L"ab");
    text += text;
    text += text.GetString() + 1;
    EXPECT_STREQ(L"ababbab", text.GetString());
}

TEST(CString, FormatTreatsPercentSAsWideString) {
    CString path;
    path.Format(L"%s\\HardwareMonitor\\%s.exe", L"C:\\App", L"Probexa");
    EXPECT_STREQ(L"C:\\App\\HardwareMonitor\\Probexa.exe", path.GetString());

    CString folder;
    folder.Format(L"\\%s Files\\", CString(L"TEMP").GetString());
    EXPECT_STREQ(L"\\TEMP Files\\", folder.GetString());

    CString numbers;
    numbers.Format(L"%d|%x|%ls", -45, 0x10a, L"w");
    EXPECT_STREQ(L"-45|10a|w", numbers.GetString());
}

TEST(CString, FormatGrowsBeyondAnyFixedBuffer) {
    CString big(L'x', 5000);
    CString text;
    text.Format(L"[%s]", big.GetString());
    EXPECT_EQ(5002, text.GetLength());
    EXPECT_EQ(L']', text.GetAt(5001));
}

TEST(CString, RequiredStringGivenAsNullThrowsEFail) {
    static void (*const operations[])() = {
        [] { CString(L"a").Compare(nullptr); },
        [] { CString(L"a").CompareNoCase(nullptr); },
        [] { CString(L"a").Find(static_cast<const wchar_t*>(nullptr)); },
        [] { CString(L"a").Replace(nullptr, L"b"); },
        [] { CString().Format(nullptr); },
        [] { (void)(CString(L"a") == static_cast<const wchar_t*>(nullptr)); },
    };
    for (auto operation : operations)
        EXPECT_EQ(E_FAIL, ErrorOf(operation));
}

TEST(CString, NullWhereAStringIsOptionalIsEmpty) {
    CString text(L"ab");
    text += static_cast<const wchar_t*>(nullptr);
    text.Replace(L"b", nullptr);
    EXPECT_STREQ(L"a", text.GetString());
    text = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CString, ExhaustedMemoryThrowsEOutOfMemory) {
    EXPECT_EQ(E_OUTOFMEMORY, ErrorOf([] { CString().GetBuffer(0x7FFFFFF0); }));
}

TEST(CString, SearchAndSlicesClampToTheText) {
    CString text(L"skins\\theme1\\");
    EXPECT_EQ(5, text.Find(L'\\'));
    EXPECT_EQ(12, text.Find(L'\\', 6));
    EXPECT_EQ(6, text.Find(L"theme"));
    EXPECT_EQ(-1, text.Find(L"theme", 7));
    EXPECT_EQ(-1, text.Find(L'x', 100));
    EXPECT_EQ(12, text.ReverseFind(L'\\'));
    EXPECT_STREQ(L"skins", text.Left(5).GetString());
    EXPECT_STREQ(L"skins\\theme1\\", text.Left(99).GetString());
    EXPECT_STREQ(L"theme1", text.Mid(6, 6).GetString());
    EXPECT_STREQ(L"", text.Mid(40).GetString());
    EXPECT_STREQ(L"1\\", text.Right(2).GetString());
    EXPECT_STREQ(L"", text.Right(-3).GetString());
}

TEST(CString, ComparisonsAreOrdinalAndCaseSensitive) {
    CString dialog(L"MDialog");
    EXPECT_TRUE(dialog == L"MDialog");
    EXPECT_FALSE(dialog == L"mdialog");
    EXPECT_EQ(0, dialog.CompareNoCase(L"mdialog"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_TRUE(CString(L"B") < CString(L"a"));
    EXPECT_TRUE(CString(L"ab") != CString(L"a"));
}

TEST(CString, TrimRemovesOuterWhiteSpaceOnly) {
    CString text(L" \t 45 C \r\n");
    EXPECT_STREQ(L"45 C", text.Trim().GetString());
    CString blank(L"   ");
    EXPECT_TRUE(blank.Trim().IsEmpty());
}

TEST(CString, ReleaseBufferTakesTheWrittenLength) {
    CString text;
    wchar_t* buffer = text.GetBuffer(260);
    wcscpy(buffer, L"C:\\Program Files\\App\\");
    text.ReleaseBuffer();
    EXPECT_EQ(21, text.GetLength());
    text.GetBuffer(0);
    text.ReleaseBuffer(3);
    EXPECT_STREQ(L"C:\\", text.GetString());
}

TEST(CString, ConcatenationBuildsNewStrings) {
    CString skin = CString(L"C:\\App\\") + L"skins\\" + CString(L"theme1\\");
    EXPECT_STREQ(L"C:\\App\\skins\\theme1\\", skin.GetString());
    EXPECT_STREQ(L"x1y", (L'x' + CString(L"1") + L'y').GetString());
}
