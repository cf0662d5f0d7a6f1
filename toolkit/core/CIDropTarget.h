// OLE drop target of a toolkit window for pictures: finds the first supported format the dragged
// data offers, decides the effect from the modifier keys and hands a drop to OnDrop.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>
#include <vector>

#include "core/ComPtr.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CIDropTarget : public IDropTarget {
public:
    explicit CIDropTarget(HWND target = nullptr);
    CIDropTarget(const CIDropTarget&) = delete;
    CIDropTarget& operator=(const CIDropTarget&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    // Never deletes: the owner (the control host) decides the lifetime.
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    virtual ~CIDropTarget();
    // Returns true when the medium may be released, false when the handler kept it.
    virtual bool OnDrop(FORMATETC* format, STGMEDIUM* medium, DWORD* effect) = 0;

    void AddSuportedFormat(FORMATETC& format);
    void SetTargetWnd(HWND target) { m_hTargetWnd = target; }
    // The effect decision; true when an effect was granted.
    bool QueryDrop(DWORD keyState, DWORD* effect);

protected:
    LONG m_cRefCount;
    int m_bAllowDrop;
    ComPtr<IDropTargetHelper> m_pDropTargetHelper; // null when the system helper is missing
    std::vector<FORMATETC> m_formatetc;
    HWND m_hTargetWnd;
    FORMATETC* m_pSupportedFrmt; // borrowed: an entry of m_formatetc, or null
};

} // namespace Vantix
