// The toolkit library's own module handle, stored by its entry point at process attach. Toolkit
// resources (scroll-bar images, the embedded font) and the tooltip window use it.
#pragma once

#include <windows.h>

#include "core/VantixApi.h"

namespace Vantix {

VANTIX_API HINSTANCE GetLibraryModule();

#ifdef VANTIX_BUILD
// Called once by the library's entry point when the process attaches.
void StoreLibraryModule(HINSTANCE module);
#endif

} // namespace Vantix
