#include "maintenance/ZipExtractor.h"

#include "maintenance/FolderPaths.h"
#include "maintenance/ZipEntryAttributes.h"
#include "maintenance/ZipEntryName.h"
#include "maintenance/ZipEntryTimes.h"
#include "maintenance/ZipReader.h"
#include "shell/KernelHandle.h"

#include <algorithm>

namespace {

const unsigned kPieceSize = 16384;
const unsigned long kEncryptedFlag = 0x1;

void CreateMissingFolder(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryW(path.c_str(), nullptr);
}

} // namespace

bool ZipExtractor::ExtractZipToFolder(const std::wstring& packagePath, const std::wstring& destination,
                                      std::vector<std::wstring>* completed) {
    ZipReader archive;
    if (!archive.Open(packagePath))
        return false;
    ZipExtractor extractor(archive, destination);
    unsigned long count = archive.EntryCount();
    for (unsigned long index = 0; index < count; ++index) {
        if (!archive.MoveToEntry(index))
            break;
        extractor.ExtractEntry();
    }
    if (completed)
        *completed = extractor.m_completed;
    return true;
}

ZipExtractor::ZipExtractor(ZipReader& archive, const std::wstring& destination)
    : m_archive(archive),
      m_destination(ZipEntryName::EndsInSeparator(destination) ? destination : destination + L"\\"),
      m_fullDestination(FolderPaths::GetFullPath(m_destination)) {
    if (!ZipEntryName::EndsInSeparator(m_fullDestination))
        m_fullDestination += L'\\';
}

void ZipExtractor::ExtractEntry() {
    ZipReader::Entry entry;
    if (!m_archive.ReadEntryInfo(entry))
        return;
    std::wstring name = ZipEntryName::Clean(ZipEntryName::FromArchive(entry.name));
    DWORD attributes = ZipEntryAttributes::FromArchive(entry.versionMadeBy, entry.externalAttributes);
    std::wstring relative;
    if (!ZipEntryName::ToRelativePath(name, relative))
        return;
    CreateMissingFolder(m_destination);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || ZipEntryName::EndsInSeparator(name)) {
        CreateFolders(relative);
        return;
    }
    size_t split = relative.rfind(L'\\');
    if (split != std::wstring::npos)
        CreateFolders(relative.substr(0, split));
    std::wstring path = m_destination + relative;
    std::wstring fullPath = FolderPaths::GetFullPath(path);
    // The name rules keep entries inside; this check holds whatever the rules miss.
    if (fullPath.size() <= m_fullDestination.size() ||
        !FolderPaths::IsSamePath(fullPath.substr(0, m_fullDestination.size()), m_fullDestination))
        return;
    if ((entry.flags & kEncryptedFlag) || !m_archive.OpenEntryData())
        return;
    ZipEntryTimes times = ZipEntryTimes::FromArchive(entry.dosDate, m_archive.LocalExtraField());
    Remember(fullPath, WriteEntryData(path, attributes, times));
}

void ZipExtractor::CreateFolders(const std::wstring& relativeFolder) const {
    for (size_t split = relativeFolder.find(L'\\'); split != std::wstring::npos;
         split = relativeFolder.find(L'\\', split + 1))
        CreateMissingFolder(m_destination + relativeFolder.substr(0, split));
    CreateMissingFolder(m_destination + relativeFolder);
}

bool ZipExtractor::WriteEntryData(const std::wstring& path, DWORD attributes, const ZipEntryTimes& times) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        m_archive.CloseEntryData();
        return false;
    }
    char piece[kPieceSize];
    for (;;) {
        int read = m_archive.ReadEntryData(piece, kPieceSize);
        if (read < 0) {
            m_archive.CloseEntryData();
            return false;
        }
        if (read == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(file.Get(), piece, static_cast<DWORD>(read), &written, nullptr) ||
            written != static_cast<DWORD>(read)) {
            m_archive.CloseEntryData();
            return false;
        }
    }
    if (!m_archive.CloseEntryData())
        return false;
    SetFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite);
    return true;
}

// A later entry of the same name replaces the file, so only the last write decides.
void ZipExtractor::Remember(const std::wstring& fullPath, bool whole) {
    auto same = [&fullPath](const std::wstring& path) { return FolderPaths::IsSamePath(path, fullPath); };
    m_completed.erase(std::remove_if(m_completed.begin(), m_completed.end(), same), m_completed.end());
    if (whole)
        m_completed.push_back(fullPath);
}
