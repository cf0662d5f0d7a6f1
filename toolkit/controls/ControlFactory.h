// Constructs a control from its class name with the constructor arguments of its table entry.
// The window host and the panel each have a table; attaching the control to a host and appending
// it to a list is the caller's part.
#pragma once

#include <windows.h>

#include "core/CRect.h"
#include "core/VantixApi.h"

namespace Vantix {

class MControl;
class MObject;

class VANTIX_API ControlFactory {
public:
    enum Table { WINDOW_TABLE, PANEL_TABLE };

    // The new control (owned by the caller), or null for an empty, null or unknown name (exact,
    // case-sensitive comparison) and when the construction fails; nothing is thrown.
    static MControl* Construct(Table table, MObject* parent, const wchar_t* className, UINT id, CRect rect,
                               const wchar_t* text, int visible, int enabled);
};

} // namespace Vantix
