// The creation, last-access and last-write times of a zip entry.
#pragma once

#include <windows.h>

#include <vector>

class ZipEntryTimes {
public:
    // All three start from the MS-DOS date and time (high and low word of dosDate), read as local time. An
    // extended-timestamp record ("UT") in the local extra field replaces the times it carries.
    static ZipEntryTimes FromArchive(unsigned long dosDate, const std::vector<unsigned char>& localExtra);

    FILETIME creation = {};
    FILETIME lastAccess = {};
    FILETIME lastWrite = {};

private:
    void ApplyExtendedTimestamp(const unsigned char* data, size_t size);
};
