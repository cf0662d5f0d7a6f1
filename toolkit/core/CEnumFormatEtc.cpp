#include "core/CEnumFormatEtc.h"

#include <cstring>
#include <new>

namespace Vantix {

CEnumFormatEtc::CEnumFormatEtc(const std::vector<FORMATETC>& formats) : CEnumFormatEtc(formats, 0) {}

CEnumFormatEtc::CEnumFormatEtc(const std::vector<FORMATETC>& formats, ULONG position)
    : m_cRefCount(0), m_iCur(position) {
    m_pFmtEtc.reserve(formats.size());
    for (const FORMATETC& format : formats)
        m_pFmtEtc.push_back(CopyFormat(format));
}

CEnumFormatEtc::~CEnumFormatEtc() {
    for (FORMATETC& format : m_pFmtEtc)
        FreeFormat(format);
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumFORMATETC) {
        *object = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CEnumFormatEtc::AddRef() {
    return ::InterlockedIncrement(&m_cRefCount);
}

ULONG STDMETHODCALLTYPE CEnumFormatEtc::Release() {
    LONG count = ::InterlockedDecrement(&m_cRefCount);
    if (count == 0)
        delete this;
    return count;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
    if (fetched)
        *fetched = 0;
    if (count == 0 || !formats || m_iCur >= m_pFmtEtc.size())
        return S_FALSE;
    if (!fetched && count != 1)
        return S_FALSE;
    ULONG copied = 0;
    for (; copied < count && m_iCur < m_pFmtEtc.size(); ++copied, ++m_iCur)
        formats[copied] = CopyFormat(m_pFmtEtc[m_iCur]);
    if (fetched)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Skip(ULONG count) {
    if (count >= m_pFmtEtc.size() - m_iCur)
        return S_FALSE;
    m_iCur += count;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Reset() {
    m_iCur = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Clone(IEnumFORMATETC** copy) {
    if (!copy)
        return E_INVALIDARG;
    try {
        CEnumFormatEtc* clone = new CEnumFormatEtc(m_pFmtEtc, m_iCur);
        clone->AddRef();
        *copy = clone;
        return S_OK;
    } catch (const std::bad_alloc&) {
        *copy = nullptr;
        return E_OUTOFMEMORY;
    }
}

FORMATETC CEnumFormatEtc::CopyFormat(const FORMATETC& format) {
    FORMATETC copy = format;
    if (format.ptd) {
        copy.ptd = static_cast<DVTARGETDEVICE*>(::CoTaskMemAlloc(format.ptd->tdSize));
        if (copy.ptd)
            std::memcpy(copy.ptd, format.ptd, format.ptd->tdSize);
    }
    return copy;
}

void CEnumFormatEtc::FreeFormat(FORMATETC& format) {
    ::CoTaskMemFree(format.ptd);
    format.ptd = nullptr;
}

} // namespace Vantix
