#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "ZipFixture.h"
#include "maintenance/FolderPaths.h"
#include "maintenance/ZipExtractor.h"

namespace {

// Text-like bytes that deflate to a few kilobytes, so damage can land in headers, compressed data and
// the central directory alike.
std::string ProgramBytes(size_t size) {
    std::string bytes = "MZ";
    uint32_t state = 7;
    while (bytes.size() < size) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>('a' + (state >> 16) % 12);
    }
    return bytes;
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Damage {
    const char* what;
    size_t length;         // bytes changed from each position
    unsigned char xorWith; // 0: the bytes are set to 0xFF instead
};

const Damage kDamages[] = {
    {"64 inverted bytes", 64, 0xFF},
    {"one changed bit", 1, 0x10},
    {"8 bytes of 0xFF", 8, 0},
};

// Damage swept over the whole package, a step at a time: the extractor never fails the process, writes
// nothing outside its folder, and reports as whole only a file that holds exactly what was packed.
class PackageDamageTest : public testing::Test {
protected:
    PackageDamageTest() : m_root(L"reliability-damage"), m_destination(m_root.Path() + L"package") {
        m_zip.Add("Software-1.0.0.3.exe", m_program);
        m_zip.Add("readme.txt", m_readme);
        m_package = m_zip.Build();
    }

    static std::string Damaged(const std::string& package, size_t at, const Damage& damage) {
        std::string bytes = package;
        for (size_t i = at; i < at + damage.length && i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(damage.xorWith ? bytes[i] ^ damage.xorWith : 0xFF);
        return bytes;
    }

    std::string Packed(const std::wstring& fullPath) const {
        const std::wstring name = fullPath.substr(fullPath.rfind(L'\\') + 1);
        return name == L"readme.txt" ? m_readme : m_program;
    }

    bool OnlyPackageAndFolderAtRoot() const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_root.Path() + L"*").c_str(), &found);
        bool clean = true;
        do {
            std::wstring name = found.cFileName;
            clean = clean && (name == L"." || name == L".." || name == L"p.zip" || name == L"package");
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return clean;
    }

    TempFolder m_root;
    std::wstring m_destination;
    const std::string m_program = ProgramBytes(60000);
    const std::string m_readme = "a readme beside the program";
    ZipFixture m_zip;
    std::string m_package;
};

TEST_F(PackageDamageTest, OnlyWholeFilesAreReportedWhereverTheDamageLands) {
    ASSERT_GT(m_package.size(), 2000u);
    const size_t step = m_package.size() / 97 + 1;
    int reportedWhole = 0;
    for (const Damage& damage : kDamages) {
        for (size_t at = 0; at < m_package.size(); at += step) {
            SCOPED_TRACE(testing::Message() << damage.what << " at " << at << " of " << m_package.size());
            TempFolder::RemoveTree(m_destination);
            ZipFixture::Save(m_root.Path() + L"p.zip", Damaged(m_package, at, damage));
            std::vector<std::wstring> completed;
            ZipExtractor::ExtractZipToFolder(m_root.Path() + L"p.zip", m_destination, &completed);
            for (const std::wstring& path : completed) {
                EXPECT_EQ(Packed(path), ReadFile(path))
                    << "reported whole: " << std::string(path.begin(), path.end());
                ++reportedWhole;
            }
            EXPECT_TRUE(OnlyPackageAndFolderAtRoot());
        }
    }
    // Damage to the readme's data or to unread header fields leaves the rest whole.
    EXPECT_GT(reportedWhole, 0);
}

} // namespace
