#include "core/CIDataObject.h"

#include <cstring>
#include <cwchar>
#include <new>

#include "core/CEnumFormatEtc.h"

namespace Vantix {

namespace {

// A copy of a file name from CoTaskMemAlloc, as ReleaseStgMedium frees it.
LPOLESTR CopyFileName(LPCOLESTR name) {
    size_t bytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    LPOLESTR copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (copy)
        std::memcpy(copy, name, bytes);
    return copy;
}

} // namespace

CIDataObject::CIDataObject(CIDropSource* source) : m_cRefCount(0), m_pDropSource(source) {}

CIDataObject::~CIDataObject() {
    for (std::unique_ptr<STGMEDIUM>& medium : m_StgMedium)
        ::ReleaseStgMedium(medium.get());
    for (std::unique_ptr<FORMATETC>& format : m_ArrFormatEtc)
        CEnumFormatEtc::FreeFormat(*format);
}

HRESULT STDMETHODCALLTYPE CIDataObject::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDataObject::AddRef() {
    return ::InterlockedIncrement(&m_cRefCount);
}

ULONG STDMETHODCALLTYPE CIDataObject::Release() {
    LONG count = ::InterlockedDecrement(&m_cRefCount);
    if (count == 0)
        delete this;
    return count;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium)
        return E_INVALIDARG;
    for (size_t i = 0; i < m_ArrFormatEtc.size(); ++i) {
        FORMATETC& stored = *m_ArrFormatEtc[i];
        if ((stored.tymed & format->tymed) && stored.dwAspect == format->dwAspect &&
            stored.cfFormat == format->cfFormat)
            return CopyMedium(medium, m_StgMedium[i].get(), &stored);
    }
    return DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CIDataObject::QueryGetData(FORMATETC* format) {
    if (!format)
        return E_INVALIDARG;
    if (!(format->dwAspect & DVASPECT_CONTENT))
        return DV_E_DVASPECT;
    HRESULT result = DV_E_TYMED;
    for (const std::unique_ptr<FORMATETC>& stored : m_ArrFormatEtc) {
        if (!(stored->tymed & format->tymed)) {
            result = DV_E_TYMED;
            continue;
        }
        if (stored->cfFormat == format->cfFormat)
            return S_OK;
        result = DV_E_CLIPFORMAT;
    }
    return result;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (!out)
        return E_INVALIDARG;
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE CIDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    if (!format || !medium)
        return E_INVALIDARG;
    try {
        std::unique_ptr<FORMATETC> storedFormat(new FORMATETC());
        std::unique_ptr<STGMEDIUM> storedMedium(new STGMEDIUM());
        m_ArrFormatEtc.reserve(m_ArrFormatEtc.size() + 1);
        m_StgMedium.reserve(m_StgMedium.size() + 1);
        if (release) {
            *storedMedium = *medium;
        } else {
            HRESULT copied = CopyMedium(storedMedium.get(), medium, format);
            if (FAILED(copied))
                return copied;
        }
        *storedFormat = CEnumFormatEtc::CopyFormat(*format);
        m_ArrFormatEtc.push_back(std::move(storedFormat));
        m_StgMedium.push_back(std::move(storedMedium));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE CIDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator)
        return E_POINTER;
    *enumerator = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    try {
        std::vector<FORMATETC> formats;
        for (const std::unique_ptr<FORMATETC>& format : m_ArrFormatEtc)
            formats.push_back(*format);
        CEnumFormatEtc* formatEnumerator = new CEnumFormatEtc(formats);
        formatEnumerator->AddRef();
        *enumerator = formatEnumerator;
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE CIDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE CIDataObject::DUnadvise(DWORD) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CIDataObject::EnumDAdvise(IEnumSTATDATA**) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CIDataObject::CopyMedium(STGMEDIUM* dest, STGMEDIUM* source, FORMATETC* format) {
    if (!dest || !source || !format)
        return E_INVALIDARG;
    STGMEDIUM copy = {};
    copy.tymed = source->tymed;
    switch (source->tymed) {
    case TYMED_HGLOBAL:
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        copy.hGlobal = static_cast<HGLOBAL>(::OleDuplicateData(source->hGlobal, format->cfFormat, 0));
        if (source->hGlobal && !copy.hGlobal)
            return E_OUTOFMEMORY;
        break;
    case TYMED_FILE:
        copy.lpszFileName = source->lpszFileName ? CopyFileName(source->lpszFileName) : nullptr;
        if (source->lpszFileName && !copy.lpszFileName)
            return E_OUTOFMEMORY;
        break;
    case TYMED_ISTREAM:
        copy.pstm = source->pstm;
        if (copy.pstm)
            copy.pstm->AddRef();
        break;
    case TYMED_ISTORAGE:
        copy.pstg = source->pstg;
        if (copy.pstg)
            copy.pstg->AddRef();
        break;
    case TYMED_NULL:
        break;
    default:
        return DV_E_TYMED;
    }
    // A duplicated handle is the copy's own: a shared release object would leave it unfreed.
    if (source->pUnkForRelease && (source->tymed == TYMED_ISTREAM || source->tymed == TYMED_ISTORAGE)) {
        copy.pUnkForRelease = source->pUnkForRelease;
        copy.pUnkForRelease->AddRef();
    }
    *dest = copy;
    return S_OK;
}

} // namespace Vantix
