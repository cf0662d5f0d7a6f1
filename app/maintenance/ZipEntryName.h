// Turns the name stored for a zip entry into a path below the folder that the package is unpacked in.
#pragma once

#include <string>

class ZipEntryName {
public:
    // The stored 8-bit name, read in the system ANSI code page.
    static std::wstring FromArchive(const std::string& stored);
    // Strips drive prefixes, leading separators and everything up to a "\..\" (and its slash variants),
    // repeating until no rule applies: "C:\dir\x.txt" gives "dir\x.txt", "a/../x.txt" gives "x.txt".
    static std::wstring Clean(std::wstring name);
    // The cleaned name as a relative path with "\" separators, or false when the name cannot be written
    // inside the folder: a ".." component (which cleaning leaves at the front), a component made only of
    // dots and spaces, a character that Windows reserves (":" of drives and streams, wildcards, control
    // characters) or a device name such as CON or LPT1. Empty and "." components are dropped.
    static bool ToRelativePath(const std::wstring& cleaned, std::wstring& relative);
    // Whether the name denotes a folder (it ends in a separator).
    static bool EndsInSeparator(const std::wstring& name);
};
