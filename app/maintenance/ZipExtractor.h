// Unpacks an update package into a folder, keeping every entry inside it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ZipReader;
class ZipEntryTimes;

class ZipExtractor {
public:
    // Unpacks every entry below destination; true whenever the archive could be opened. A failing entry
    // (uncreatable file, write failure, damaged or encrypted data, a name that would leave the folder) is
    // skipped and the next one is processed. completed, when given, receives the full path of every file
    // that this call wrote whole with a matching checksum.
    static bool ExtractZipToFolder(const std::wstring& packagePath, const std::wstring& destination,
                                   std::vector<std::wstring>* completed = nullptr);

private:
    ZipExtractor(ZipReader& archive, const std::wstring& destination);
    void ExtractEntry();
    void CreateFolders(const std::wstring& relativeFolder) const;
    bool WriteEntryData(const std::wstring& path, DWORD attributes, const ZipEntryTimes& times);
    void Remember(const std::wstring& fullPath, bool whole);

    ZipReader& m_archive;
    std::wstring m_destination;
    std::wstring m_fullDestination;
    std::vector<std::wstring> m_completed;
};
