// Gives a drag its image through the system drag-image helper; without the helper the drag still
// works, only without an image.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include "core/ComPtr.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CDragSourceHelper {
public:
    CDragSourceHelper();
    CDragSourceHelper(const CDragSourceHelper&) = delete;
    CDragSourceHelper& operator=(const CDragSourceHelper&) = delete;
    ~CDragSourceHelper();

    // E_FAIL without the system helper. On success the system helper owns the bitmap; otherwise the
    // caller still does.
    HRESULT InitializeFromBitmap(HBITMAP bitmap, POINT& cursor, RECT& rect, IDataObject* data,
                                 COLORREF colorKey);
    HRESULT InitializeFromWindow(HWND window, POINT& point, IDataObject* data);

private:
    ComPtr<IDragSourceHelper> m_pDragSourceHelper;
};

} // namespace Vantix
