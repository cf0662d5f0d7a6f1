// OLE drop source of a control drag: drops when both buttons are up, cancels on Escape.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CIDropSource : public IDropSource {
public:
    CIDropSource();
    CIDropSource(const CIDropSource&) = delete;
    CIDropSource& operator=(const CIDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

    virtual ~CIDropSource();

    bool IsDropped() const { return m_bDropped; }

private:
    LONG m_cRefCount;
    bool m_bDropped;
};

} // namespace Vantix
