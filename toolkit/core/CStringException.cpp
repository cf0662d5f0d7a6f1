#include "core/CStringException.h"

namespace Vantix {

CStringException::CStringException(HRESULT error) : m_error(error) {}

const char* CStringException::what() const noexcept {
    return m_error == E_OUTOFMEMORY ? "string: out of memory" : "string: null string";
}

} // namespace Vantix
