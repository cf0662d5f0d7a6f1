// Owning holder for WinINet handles (sessions and requests), closed in one place.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "shell/KernelHandle.h"

struct InternetHandleTraits {
    using Type = HINTERNET;
    static Type Empty() { return nullptr; }
    static bool IsEmpty(Type value) { return value == nullptr; }
    static void Close(Type value) { InternetCloseHandle(value); }
};

using InternetHandle = KernelHandle<InternetHandleTraits>;
