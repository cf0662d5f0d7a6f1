// Owning holder of a font added from memory with AddFontMemResourceEx. Counted as a GDI object by
// LiveObjectCount.
#pragma once

#include <windows.h>

#include "core/LiveObjectCount.h"

namespace Vantix {

class FontMemResource {
public:
    explicit FontMemResource(HANDLE handle) : m_handle(handle) {
        if (m_handle)
            LiveObjectCount::AddGdi();
    }
    FontMemResource(FontMemResource&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    FontMemResource& operator=(FontMemResource&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = other.m_handle;
            other.m_handle = nullptr;
        }
        return *this;
    }
    FontMemResource(const FontMemResource&) = delete;
    FontMemResource& operator=(const FontMemResource&) = delete;
    ~FontMemResource() { Reset(); }

    HANDLE Get() const { return m_handle; }
    void Reset() {
        if (m_handle) {
            ::RemoveFontMemResourceEx(m_handle);
            LiveObjectCount::RemoveGdi();
        }
        m_handle = nullptr;
    }

private:
    HANDLE m_handle;
};

} // namespace Vantix
