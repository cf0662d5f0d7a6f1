// Test support: builds small zip archives in memory, with the fields the extractor reads set per entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ZipFixtureEntry {
    std::string name;
    std::string data;
    bool deflate = true;
    // High byte: host (0 MS-DOS, 3 Unix, 11 NTFS); low byte: format version.
    uint16_t versionMadeBy = 0x0014;
    uint32_t externalAttributes = 0x20;
    uint16_t dosDate = 0x5A21; // 2025-01-01
    uint16_t dosTime = 0x6000; // 12:00:00
    std::string localExtra;
    uint16_t flags = 0;
    // Changes one byte of the stored data after the checksum was taken.
    bool damaged = false;
    // Packs only this many bytes of data while the headers announce all of it (a stream that ends early).
    size_t packedLength = std::string::npos;
};

class ZipFixture {
public:
    void Add(const ZipFixtureEntry& entry) { m_entries.push_back(entry); }
    // A file entry with default fields.
    void Add(const std::string& name, const std::string& data);
    std::string Build() const;

    // An extended-timestamp record ("UT") with the times that flags selects (bit 0 modification, 1 access,
    // 2 creation), in that order.
    static std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times);
    // Writes bytes to a file.
    static void Save(const std::wstring& path, const std::string& bytes);

private:
    std::vector<ZipFixtureEntry> m_entries;
};
