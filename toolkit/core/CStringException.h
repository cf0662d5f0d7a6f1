// The exception that CString throws: E_FAIL for a required string given as null, E_OUTOFMEMORY.
#pragma once

#include <windows.h>
#include <exception>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CStringException : public std::exception {
public:
    explicit CStringException(HRESULT error);
    HRESULT GetErrorCode() const { return m_error; }
    const char* what() const noexcept override;

private:
    HRESULT m_error;
};

} // namespace Vantix
