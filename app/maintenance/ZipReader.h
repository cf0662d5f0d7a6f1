// Reads a zip archive through minizip: its entries in central-directory order and their data. The archive
// stays open for the reader's lifetime.
#pragma once

#include <string>
#include <vector>

class ZipReader {
public:
    struct Entry {
        std::string name; // as stored, 8-bit
        unsigned long versionMadeBy = 0;
        unsigned long flags = 0;
        unsigned long dosDate = 0;
        unsigned long externalAttributes = 0;
    };

    ZipReader() = default;
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens the file for reading (shared for reading only); false when it cannot be opened or is no zip.
    bool Open(const std::wstring& path);
    unsigned long EntryCount() const;
    // Index 0 moves to the first entry, any later index to the next one.
    bool MoveToEntry(unsigned long index);
    bool ReadEntryInfo(Entry& entry);
    // Opens the current entry's data; false for damaged headers or methods the reader cannot inflate.
    bool OpenEntryData();
    // The current entry's local extra field (valid after OpenEntryData).
    std::vector<unsigned char> LocalExtraField();
    // Inflates up to size bytes; returns the byte count, 0 at the end, a negative value for damaged data.
    int ReadEntryData(void* buffer, unsigned size);
    // Closes the entry's data; true only when exactly the announced size was read and its CRC-32 matches.
    bool CloseEntryData();

private:
    void* m_archive = nullptr;
    bool m_entryOpen = false;
    unsigned long long m_announcedSize = 0;
    unsigned long long m_readSize = 0;
};
