#include "core/CIDropSource.h"

namespace Vantix {

CIDropSource::CIDropSource() : m_cRefCount(0), m_bDropped(false) {}

CIDropSource::~CIDropSource() = default;

HRESULT STDMETHODCALLTYPE CIDropSource::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDropSource::AddRef() {
    return ::InterlockedIncrement(&m_cRefCount);
}

ULONG STDMETHODCALLTYPE CIDropSource::Release() {
    LONG count = ::InterlockedDecrement(&m_cRefCount);
    if (count == 0)
        delete this;
    return count;
}

HRESULT STDMETHODCALLTYPE CIDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(keyState & (MK_LBUTTON | MK_RBUTTON))) {
        m_bDropped = true;
        return DRAGDROP_S_DROP;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropSource::GiveFeedback(DWORD) {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

} // namespace Vantix
