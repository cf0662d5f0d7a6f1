#include "core/LibraryModule.h"

namespace Vantix {

namespace {

HINSTANCE g_libraryModule = nullptr;

} // namespace

HINSTANCE GetLibraryModule() {
    return g_libraryModule;
}

void StoreLibraryModule(HINSTANCE module) {
    g_libraryModule = module;
}

} // namespace Vantix
