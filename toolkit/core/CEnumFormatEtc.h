// Enumerator over its own copy of a data object's formats.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <vector>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CEnumFormatEtc : public IEnumFORMATETC {
public:
    explicit CEnumFormatEtc(const std::vector<FORMATETC>& formats);
    CEnumFormatEtc(const CEnumFormatEtc&) = delete;
    CEnumFormatEtc& operator=(const CEnumFormatEtc&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** copy) override;

    virtual ~CEnumFormatEtc();

    // A FORMATETC copy with its own target device (from CoTaskMemAlloc), as a receiver of formats
    // expects to free it; FreeFormat frees that device.
    static FORMATETC CopyFormat(const FORMATETC& format);
    static void FreeFormat(FORMATETC& format);

private:
    CEnumFormatEtc(const std::vector<FORMATETC>& formats, ULONG position);

    LONG m_cRefCount;
    std::vector<FORMATETC> m_pFmtEtc; // own copies: their target devices are freed with the enumerator
    ULONG m_iCur;
};

} // namespace Vantix
