#include "core/CDragSourceHelper.h"

namespace Vantix {

CDragSourceHelper::CDragSourceHelper() {
    ::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper,
                       reinterpret_cast<void**>(m_pDragSourceHelper.Put()));
}

CDragSourceHelper::~CDragSourceHelper() = default;

HRESULT CDragSourceHelper::InitializeFromBitmap(HBITMAP bitmap, POINT& cursor, RECT& rect, IDataObject* data,
                                                COLORREF colorKey) {
    if (!m_pDragSourceHelper)
        return E_FAIL;
    BITMAP info;
    if (!::GetObjectW(bitmap, sizeof(info), &info))
        return E_INVALIDARG;
    SHDRAGIMAGE image;
    image.sizeDragImage.cx = info.bmWidth;
    image.sizeDragImage.cy = info.bmHeight;
    image.ptOffset.x = cursor.x - rect.left;
    image.ptOffset.y = cursor.y - rect.top;
    image.hbmpDragImage = bitmap;
    image.crColorKey = colorKey;
    return m_pDragSourceHelper->InitializeFromBitmap(&image, data);
}

HRESULT CDragSourceHelper::InitializeFromWindow(HWND window, POINT& point, IDataObject* data) {
    if (!m_pDragSourceHelper)
        return E_FAIL;
    return m_pDragSourceHelper->InitializeFromWindow(window, &point, data);
}

} // namespace Vantix
