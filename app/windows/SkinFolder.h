// The skin folder as the application builds it: the executable's folder, "skins\" and the toolkit's theme
// folder. It is the folder where the toolkit finds the window's images too.
#pragma once

#include <string>

// Ends in a backslash.
std::wstring GetSkinFolder();
