#include "shell/WindowsVersion.h"

#include <cstdio>
#include <windows.h>

#include "shell/LoadedModule.h"

namespace {
using RtlGetNtVersionNumbersFn = void(WINAPI*)(DWORD* major, DWORD* minor, DWORD* build);
}

bool IsWindows10OrLater() {
    return IsWindows10OrLaterFrom(L"ntdll.dll", "RtlGetNtVersionNumbers");
}

bool IsWindows10OrLaterFrom(const wchar_t* module, const char* function) {
    LoadedModule ntdll(module);
    if (!ntdll.IsLoaded()) {
        std::fputs(u8"无法加载 ntdll.dll\n", stderr);
        return false;
    }
    auto getVersion = ntdll.Find<RtlGetNtVersionNumbersFn>(function);
    if (!getVersion) {
        std::fputs(u8"无法获取 RtlGetNtVersionNumbers 函数的地址\n", stderr);
        return false;
    }
    DWORD major = 0, minor = 0, build = 0;
    getVersion(&major, &minor, &build);
    return major >= 10;
}
