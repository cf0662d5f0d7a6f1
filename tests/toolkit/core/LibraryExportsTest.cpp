#include <gtest/gtest.h>

#include <windows.h>

#include "core/LibraryModule.h"
#include "core/Manager.h"

namespace {

HMODULE Library() {
    return GetModuleHandleW(L"Vantix.dll");
}

} // namespace

// The names the application links against; their mangling does not depend on the pointer size.
TEST(LibraryExports, ManagerAndWindowInterfaceIsExported) {
    static const char* const names[] = {
        "_ZN6Vantix7Manager11SetInstanceEP11HINSTANCE__",
        "_ZN6Vantix7Manager10SetCPUTempEf",
        "_ZN6Vantix7Manager8GetThemeEv",
        "_ZN6Vantix7Manager11MessageLoopEv",
        "_ZN6Vantix7Manager10m_cpu_tempE",
        "_ZN6Vantix7Manager13m_scale_valueE",
        "_ZN6Vantix7Manager10m_fontnameE",
        "_ZN6Vantix11GetSkinPathEv",
        "_ZN6Vantix7MWindow6CreateEP6HWND__",
        "_ZN6Vantix7MWindow9ShowModalEi",
        "_ZN6Vantix7MWindow12CenterWindowEPS0_",
        "_ZN6Vantix7MWindow10BringToTopEv",
    };
    ASSERT_NE(nullptr, Library());
    for (const char* name : names)
        EXPECT_NE(nullptr, GetProcAddress(Library(), name)) << name;
}

TEST(LibraryExports, StaticsAreDataInTheLibrary) {
    EXPECT_EQ(reinterpret_cast<FARPROC>(&Vantix::Manager::m_cpu_temp),
              GetProcAddress(Library(), "_ZN6Vantix7Manager10m_cpu_tempE"));
    EXPECT_EQ(reinterpret_cast<FARPROC>(&Vantix::Manager::m_hInstance),
              GetProcAddress(Library(), "_ZN6Vantix7Manager11m_hInstanceE"));
}

TEST(LibraryExports, EntryPointStoredTheLibraryModule) {
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(Library()), Vantix::GetLibraryModule());
    EXPECT_NE(GetModuleHandleW(nullptr), Vantix::GetLibraryModule());
}
