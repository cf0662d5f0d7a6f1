#include "maintenance/ZipReader.h"

#include "unzip.h"
#include "iowin32.h"

ZipReader::~ZipReader() {
    if (m_entryOpen)
        unzCloseCurrentFile(m_archive);
    if (m_archive)
        unzClose(m_archive);
}

bool ZipReader::Open(const std::wstring& path) {
    zlib_filefunc64_def files;
    fill_win32_filefunc64W(&files);
    m_archive = unzOpen2_64(path.c_str(), &files);
    return m_archive != nullptr;
}

unsigned long ZipReader::EntryCount() const {
    unz_global_info64 info = {};
    if (unzGetGlobalInfo64(m_archive, &info) != UNZ_OK)
        return 0;
    return static_cast<unsigned long>(info.number_entry);
}

bool ZipReader::MoveToEntry(unsigned long index) {
    return (index == 0 ? unzGoToFirstFile(m_archive) : unzGoToNextFile(m_archive)) == UNZ_OK;
}

bool ZipReader::ReadEntryInfo(Entry& entry) {
    unz_file_info64 info = {};
    if (unzGetCurrentFileInfo64(m_archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    entry.name.assign(info.size_filename, '\0');
    if (info.size_filename != 0 &&
        unzGetCurrentFileInfo64(m_archive, &info, &entry.name[0], info.size_filename, nullptr, 0, nullptr,
                                0) != UNZ_OK)
        return false;
    entry.versionMadeBy = info.version;
    entry.flags = info.flag;
    entry.dosDate = info.dosDate;
    entry.externalAttributes = info.external_fa;
    return true;
}

bool ZipReader::OpenEntryData() {
    unz_file_info64 info = {};
    if (unzGetCurrentFileInfo64(m_archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    m_announcedSize = info.uncompressed_size;
    m_readSize = 0;
    m_entryOpen = unzOpenCurrentFile(m_archive) == UNZ_OK;
    return m_entryOpen;
}

std::vector<unsigned char> ZipReader::LocalExtraField() {
    int size = unzGetLocalExtrafield(m_archive, nullptr, 0);
    std::vector<unsigned char> field(size > 0 ? size : 0);
    if (size > 0 && unzGetLocalExtrafield(m_archive, field.data(), size) != size)
        field.clear();
    return field;
}

int ZipReader::ReadEntryData(void* buffer, unsigned size) {
    int read = unzReadCurrentFile(m_archive, buffer, size);
    if (read > 0)
        m_readSize += static_cast<unsigned>(read);
    return read;
}

// minizip checks the CRC-32 only once the announced size has been read: data that ends early (a damaged
// stream, or a size field made larger) would otherwise pass as whole.
bool ZipReader::CloseEntryData() {
    m_entryOpen = false;
    bool checked = unzCloseCurrentFile(m_archive) == UNZ_OK;
    return checked && m_readSize == m_announcedSize;
}
