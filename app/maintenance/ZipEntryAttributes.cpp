#include "maintenance/ZipEntryAttributes.h"

namespace {

bool StoresDosAttributes(unsigned host) {
    return host == 0 || host == 7 || host == 11 || host == 14;
}

DWORD FromDosBits(unsigned long bits) {
    DWORD attributes = 0;
    if (bits & 0x01)
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (bits & 0x02)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (bits & 0x04)
        attributes |= FILE_ATTRIBUTE_SYSTEM;
    if (bits & 0x10)
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (bits & 0x20)
        attributes |= FILE_ATTRIBUTE_ARCHIVE;
    return attributes;
}

DWORD FromUnixMode(unsigned long external) {
    DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
    if (external & (1UL << 30))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (!(external & (1UL << 23)))
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}

} // namespace

DWORD ZipEntryAttributes::FromArchive(unsigned long versionMadeBy, unsigned long externalAttributes) {
    unsigned host = (versionMadeBy >> 8) & 0xFF;
    return StoresDosAttributes(host) ? FromDosBits(externalAttributes) : FromUnixMode(externalAttributes);
}
