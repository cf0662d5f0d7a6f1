// Test entry point: the process state every toolkit and application test expects (GDI+, OLE, the
// toolkit's module instance), set up once around the whole run.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <gdiplus.h>

#include "core/Manager.h"

namespace {

class ProcessServices {
public:
    ProcessServices() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
        OleInitialize(nullptr);
        Vantix::Manager::SetInstance(GetModuleHandleW(nullptr));
    }
    ~ProcessServices() {
        OleUninitialize();
        Gdiplus::GdiplusShutdown(m_token);
    }
    ProcessServices(const ProcessServices&) = delete;
    ProcessServices& operator=(const ProcessServices&) = delete;

private:
    ULONG_PTR m_token = 0;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ProcessServices services;
    return RUN_ALL_TESTS();
}
