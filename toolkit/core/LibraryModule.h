// The toolkit library's own module handle, stored by its entry point at process attach. Toolkit
// resources (scroll-bar images, the embedded font) and the tooltip window use it.
#pragma once

#include <windows.h>

#include "core/VantixApi.h"

namespace Vantix {

VANTIX_API HINSTANCE GetLibraryModule();

} // namespace Vantix
