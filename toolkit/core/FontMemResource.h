// Owning holder of a font added from memory with AddFontMemResourceEx.
#pragma once

#include <windows.h>

namespace Vantix {

class FontMemResource {
public:
    explicit FontMemResource(HANDLE handle) : m_handle(handle) {}
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
        if (m_handle)
            ::RemoveFontMemResourceEx(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle;
};

} // namespace Vantix
