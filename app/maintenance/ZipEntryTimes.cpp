#include "maintenance/ZipEntryTimes.h"

#include <cstdint>

namespace {

const unsigned kExtendedTimestampId = 0x5455; // "UT"
const uint64_t kUnixEpochAsFileTime = 116444736000000000ULL;
const uint64_t kFileTimeUnitsPerSecond = 10000000ULL;

unsigned ReadUInt16(const unsigned char* data) {
    return data[0] | (data[1] << 8);
}

int32_t ReadInt32(const unsigned char* data) {
    return static_cast<int32_t>(static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                                (static_cast<uint32_t>(data[2]) << 16) |
                                (static_cast<uint32_t>(data[3]) << 24));
}

FILETIME FromUnixTime(int32_t seconds) {
    uint64_t value =
        static_cast<uint64_t>(static_cast<int64_t>(seconds) * static_cast<int64_t>(kFileTimeUnitsPerSecond)) +
        kUnixEpochAsFileTime;
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(value);
    time.dwHighDateTime = static_cast<DWORD>(value >> 32);
    return time;
}

FILETIME FromDosDate(unsigned long dosDate) {
    FILETIME local = {};
    FILETIME utc = {};
    DosDateTimeToFileTime(static_cast<WORD>(dosDate >> 16), static_cast<WORD>(dosDate & 0xFFFF), &local);
    LocalFileTimeToFileTime(&local, &utc);
    return utc;
}

} // namespace

ZipEntryTimes ZipEntryTimes::FromArchive(unsigned long dosDate,
                                         const std::vector<unsigned char>& localExtra) {
    ZipEntryTimes times;
    times.creation = times.lastAccess = times.lastWrite = FromDosDate(dosDate);
    // Records: 2-byte id, 2-byte size, data; a record that runs past the field ends the walk.
    size_t at = 0;
    while (at + 4 <= localExtra.size()) {
        unsigned id = ReadUInt16(&localExtra[at]);
        size_t size = ReadUInt16(&localExtra[at + 2]);
        if (at + 4 + size > localExtra.size())
            break;
        if (id == kExtendedTimestampId) {
            times.ApplyExtendedTimestamp(&localExtra[at + 4], size);
            break;
        }
        at += 4 + size;
    }
    return times;
}

void ZipEntryTimes::ApplyExtendedTimestamp(const unsigned char* data, size_t size) {
    if (size < 1)
        return;
    unsigned flags = data[0];
    FILETIME* targets[] = {&lastWrite, &lastAccess, &creation};
    size_t at = 1;
    for (unsigned bit = 0; bit < 3; ++bit) {
        if (!(flags & (1U << bit)))
            continue;
        if (at + 4 > size)
            return;
        *targets[bit] = FromUnixTime(ReadInt32(data + at));
        at += 4;
    }
}
