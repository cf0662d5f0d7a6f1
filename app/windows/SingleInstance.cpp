#include "windows/SingleInstance.h"

SingleInstance::SingleInstance(const wchar_t* name)
    : m_mutex(CreateMutexW(nullptr, TRUE, name)), m_first(true) {
    const DWORD error = GetLastError();
    if (m_mutex.IsValid() && error == ERROR_ALREADY_EXISTS) {
        m_mutex.Reset();
        m_first = false;
    } else if (!m_mutex.IsValid() && error == ERROR_ACCESS_DENIED) {
        // A mutex of another session or integrity level: some instance runs, even if it cannot be opened.
        m_first = false;
    }
}
