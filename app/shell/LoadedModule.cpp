#include "shell/LoadedModule.h"

LoadedModule::LoadedModule(const wchar_t* name) : m_module(LoadLibraryW(name)) {}

LoadedModule::~LoadedModule() {
    if (m_module)
        FreeLibrary(m_module);
}

FARPROC LoadedModule::FindAddress(const char* name) const {
    return m_module ? GetProcAddress(m_module, name) : nullptr;
}
