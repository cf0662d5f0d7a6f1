// The folder of the running executable, ending in a backslash, so callers can append path parts directly.
#pragma once

#include <string>

std::wstring GetModuleDirectory();
