// The Windows file attributes of a zip entry, read from its external attributes.
#pragma once

#include <windows.h>

class ZipEntryAttributes {
public:
    // MS-DOS, Macintosh, NTFS and VFAT hosts (high byte of versionMadeBy 0, 7, 11, 14) store DOS attribute
    // bits; any other host (Unix) stores a mode: folder from bit 30, read-only when bit 23 (owner write)
    // is clear, always archive.
    static DWORD FromArchive(unsigned long versionMadeBy, unsigned long externalAttributes);
};
