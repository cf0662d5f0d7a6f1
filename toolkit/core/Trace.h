// The toolkit's debug trace entry point; it writes nothing.
#pragma once

#include "core/VantixApi.h"

namespace Vantix {

VANTIX_API void M_Trace(const wchar_t* format, ...);

} // namespace Vantix
