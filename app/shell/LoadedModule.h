// Owns a DLL loaded at run time (LoadLibraryW) and frees it once.
#pragma once

#include <windows.h>

class LoadedModule {
public:
    explicit LoadedModule(const wchar_t* name);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool IsLoaded() const { return m_module != nullptr; }
    // The exported function as type Function, or null when the module or the export is missing.
    template <typename Function> Function Find(const char* name) const {
        // Through void(*)(): the one function pointer type a cast from FARPROC may pass without warning.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(FindAddress(name)));
    }

private:
    FARPROC FindAddress(const char* name) const;

    HMODULE m_module;
};
