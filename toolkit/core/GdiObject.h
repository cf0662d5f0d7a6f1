// Owning holder of one GDI object (bitmap, font, brush, pen, region), deleted with DeleteObject.
// Every GDI object member of the toolkit goes through it, so the objects are released in one place.
#pragma once

#include <windows.h>

namespace Vantix {

template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    GdiObject(GdiObject&& other) noexcept : m_handle(other.Detach()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        Reset(other.Detach());
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Deletes the held object (unless it is the new one) and holds the new one.
    void Reset(Handle handle = nullptr) {
        if (m_handle && m_handle != handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }
    // Gives up ownership without deleting (for example to a window that takes the bitmap).
    Handle Detach() {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

private:
    Handle m_handle = nullptr;
};

} // namespace Vantix
