// A data object whose handed-out media carry a release object that counts their releases, as media
// that stay their source's do. With it set, ReleaseStgMedium frees nothing: the test owns the handles.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <vector>

#include "core/CIDataObject.h"

class CountingDataObject : public Vantix::CIDataObject {
public:
    // The release object given with every medium.
    class Counter : public IUnknown {
    public:
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
        ULONG STDMETHODCALLTYPE Release() override {
            ++releases;
            return --references;
        }
        ULONG references = 0;
        int releases = 0;
    };

    explicit CountingDataObject(Counter& counter) : CIDataObject(nullptr), m_counter(counter) {}
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        HRESULT result = CIDataObject::GetData(format, medium);
        if (result == S_OK) {
            medium->pUnkForRelease = &m_counter;
            m_counter.AddRef();
            handedOut.push_back(medium->hGlobal);
        }
        return result;
    }
    std::vector<HANDLE> handedOut;

private:
    Counter& m_counter;
};
