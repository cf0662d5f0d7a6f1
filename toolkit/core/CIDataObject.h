// OLE data object of a control drag: keeps pairs of format and medium (the picture as a bitmap and
// as an enhanced metafile) and releases every stored medium when it is destroyed.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <memory>
#include <vector>

#include "core/VantixApi.h"

namespace Vantix {

class CIDropSource;

class VANTIX_API CIDataObject : public IDataObject {
public:
    explicit CIDataObject(CIDropSource* source);
    CIDataObject(const CIDataObject&) = delete;
    CIDataObject& operator=(const CIDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    // release nonzero: the medium is taken over; otherwise it is copied.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                      DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** enumerator) override;

    virtual ~CIDataObject();

    // Duplicates the source's handle, or shares its stream or storage.
    HRESULT CopyMedium(STGMEDIUM* dest, STGMEDIUM* source, FORMATETC* format);

private:
    LONG m_cRefCount;
    CIDropSource* m_pDropSource; // borrowed: the drag this data belongs to
    std::vector<std::unique_ptr<FORMATETC>> m_ArrFormatEtc;
    std::vector<std::unique_ptr<STGMEDIUM>> m_StgMedium; // entry i belongs to format i
};

} // namespace Vantix
