// Root of every object that receives notifications from controls (controls and dialogs).
#pragma once

#include <windows.h>

#include "core/CRect.h"
#include "core/VantixApi.h"

namespace Vantix {

class MControl;

class VANTIX_API MObject {
public:
    virtual ~MObject();
    // 1 when GetClassNameW equals name exactly (case-sensitive).
    virtual int IsClass(const wchar_t* name);
    virtual const wchar_t* GetClassNameW() const;
    virtual const wchar_t* GetObjectClass();
    virtual const wchar_t* BaseObjectClassName();
    // A child control reports an event: control id, notification code and two arguments.
    virtual LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);
    // A child control asks for rect to be repainted; redraw asks for the control itself to re-render.
    virtual int OnControlUpdate(CRect rect, int redraw, MControl* control);
};

} // namespace Vantix
