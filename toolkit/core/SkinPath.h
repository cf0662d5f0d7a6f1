// The skin folder every image file name is resolved against: <exe folder>skins\<theme>.
#pragma once

#include "core/CString.h"
#include "core/VantixApi.h"

namespace Vantix {

VANTIX_API CString GetSkinPath();

} // namespace Vantix
