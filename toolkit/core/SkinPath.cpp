#include "core/SkinPath.h"

#include <windows.h>
#include <shlwapi.h>

#include "core/Manager.h"

namespace Vantix {

CString GetSkinPath() {
    wchar_t folder[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(nullptr), folder, MAX_PATH);
    PathRemoveFileSpecW(folder);
    PathAddBackslashW(folder);
    return CString(folder) + L"skins\\" + Manager::GetTheme();
}

} // namespace Vantix
