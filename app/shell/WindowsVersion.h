// The operating-system test that chooses the hardware-monitor server build.
#pragma once

// True when the running Windows has a major version of 10 or more. Writes a line to the standard error
// stream when ntdll or its version function cannot be reached, and then answers false.
bool IsWindows10OrLater();

// The same test with the module and function named, so the failure paths can be exercised.
bool IsWindows10OrLaterFrom(const wchar_t* module, const char* function);
