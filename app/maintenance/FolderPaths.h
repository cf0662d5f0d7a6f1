// The per-user data folder that update packages are unpacked in, and folder helpers around it.
#pragma once

#include <string>

class FolderPaths {
public:
    // The local application-data folder followed by "\TEMP Files\"; empty when the system names no such
    // folder (a bare "\TEMP Files\" would land in the root of the current drive).
    static std::wstring GetDataFolder();
    // Creates every missing folder of path (the drive part excepted); true when the folder exists at the end.
    static bool CreateDirectoryPath(const std::wstring& path);
    // The absolute, normalised form of path ("." and ".." resolved, separators as "\"); empty on failure.
    static std::wstring GetFullPath(const std::wstring& path);
    // Whether two paths are the same text apart from letter case, as Windows compares names.
    static bool IsSamePath(const std::wstring& a, const std::wstring& b);
};
