#include "core/Trace.h"

namespace Vantix {

// Release builds trace nothing; the entry point stays so callers need no conditional code.
void M_Trace(const wchar_t*, ...) {}

} // namespace Vantix
