#include "core/CIDropTarget.h"

#include <initializer_list>
#include <new>

#include "core/CEnumFormatEtc.h"

namespace Vantix {

namespace {

// The effect the modifier keys ask for; none without modifiers.
DWORD WantedEffect(DWORD keyState) {
    bool control = (keyState & MK_CONTROL) != 0;
    bool shift = (keyState & MK_SHIFT) != 0;
    if (control && shift)
        return DROPEFFECT_LINK;
    if (control)
        return DROPEFFECT_COPY;
    if (shift)
        return DROPEFFECT_MOVE;
    return DROPEFFECT_NONE;
}

} // namespace

CIDropTarget::CIDropTarget(HWND target)
    : m_cRefCount(0), m_bAllowDrop(0), m_hTargetWnd(target), m_pSupportedFrmt(nullptr) {
    ::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                       reinterpret_cast<void**>(m_pDropTargetHelper.Put()));
}

CIDropTarget::~CIDropTarget() {
    for (FORMATETC& format : m_formatetc)
        CEnumFormatEtc::FreeFormat(format);
}

HRESULT STDMETHODCALLTYPE CIDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDropTarget::AddRef() {
    return ::InterlockedIncrement(&m_cRefCount);
}

// The drop target is a part of its owner (the control host inside a window object), which decides its
// lifetime: the last reference going away must not delete it.
ULONG STDMETHODCALLTYPE CIDropTarget::Release() {
    return ::InterlockedDecrement(&m_cRefCount);
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                                  DWORD* effect) {
    if (!data || !effect)
        return E_INVALIDARG;
    POINT cursor = {point.x, point.y};
    if (m_pDropTargetHelper)
        m_pDropTargetHelper->DragEnter(m_hTargetWnd, data, &cursor, *effect);
    m_bAllowDrop = 0;
    m_pSupportedFrmt = nullptr;
    for (FORMATETC& format : m_formatetc) {
        if (data->QueryGetData(&format) == S_OK) {
            m_bAllowDrop = 1;
            m_pSupportedFrmt = &format;
            break;
        }
    }
    QueryDrop(keyState, effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    POINT cursor = {point.x, point.y};
    if (m_pDropTargetHelper)
        m_pDropTargetHelper->DragOver(&cursor, *effect);
    QueryDrop(keyState, effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragLeave() {
    if (m_pDropTargetHelper)
        m_pDropTargetHelper->DragLeave();
    m_bAllowDrop = 0;
    m_pSupportedFrmt = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!data || !effect)
        return E_INVALIDARG;
    POINT cursor = {point.x, point.y};
    if (m_pDropTargetHelper)
        m_pDropTargetHelper->Drop(data, &cursor, *effect);
    if (QueryDrop(keyState, effect) && m_pSupportedFrmt) {
        STGMEDIUM medium = {};
        if (data->GetData(m_pSupportedFrmt, &medium) == S_OK && OnDrop(m_pSupportedFrmt, &medium, effect))
            ::ReleaseStgMedium(&medium);
    }
    m_bAllowDrop = 0;
    *effect = DROPEFFECT_NONE;
    m_pSupportedFrmt = nullptr;
    return S_OK;
}

void CIDropTarget::AddSuportedFormat(FORMATETC& format) {
    // A drag in progress points at one of the formats: keep it valid across a reallocation.
    size_t chosen = m_pSupportedFrmt ? static_cast<size_t>(m_pSupportedFrmt - m_formatetc.data()) : 0;
    FORMATETC copy = CEnumFormatEtc::CopyFormat(format);
    try {
        m_formatetc.push_back(copy);
    } catch (const std::bad_alloc&) {
        CEnumFormatEtc::FreeFormat(copy);
        return;
    }
    if (m_pSupportedFrmt)
        m_pSupportedFrmt = &m_formatetc[chosen];
}

bool CIDropTarget::QueryDrop(DWORD keyState, DWORD* effect) {
    if (!effect)
        return false;
    DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    if (!m_bAllowDrop)
        return false;
    DWORD wanted = WantedEffect(keyState);
    if (wanted != DROPEFFECT_NONE) {
        if (allowed & wanted)
            *effect = wanted;
    } else {
        for (DWORD candidate : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
            if (allowed & candidate) {
                *effect = candidate;
                break;
            }
        }
    }
    return *effect != DROPEFFECT_NONE;
}

} // namespace Vantix
