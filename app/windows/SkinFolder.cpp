#include "windows/SkinFolder.h"

#include "core/Manager.h"
#include "shell/ModuleDirectory.h"

std::wstring GetSkinFolder() {
    return GetModuleDirectory() + L"skins\\" + Vantix::Manager::GetTheme().GetString();
}
