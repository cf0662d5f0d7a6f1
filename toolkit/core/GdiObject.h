// Owning holder of one GDI object (bitmap, font, brush, pen, region), deleted with DeleteObject.
// Every GDI object the toolkit creates goes through it, so the objects are released in one place
// and the live count (LiveObjectCount) sees each one.
#pragma once

#include <windows.h>

#include "core/LiveObjectCount.h"

namespace Vantix {

template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) { Reset(handle); }
    GdiObject(GdiObject&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = other.m_handle;
            other.m_handle = nullptr;
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Deletes the held object (unless it is the new one) and holds the new one.
    void Reset(Handle handle = nullptr) {
        if (handle == m_handle)
            return;
        if (m_handle) {
            ::DeleteObject(m_handle);
            LiveObjectCount::RemoveGdi();
        }
        m_handle = handle;
        if (m_handle)
            LiveObjectCount::AddGdi();
    }
    // Gives up ownership without deleting (for example to a window that takes the bitmap); from
    // then on the object is no longer counted.
    Handle Detach() {
        Handle handle = m_handle;
        if (m_handle)
            LiveObjectCount::RemoveGdi();
        m_handle = nullptr;
        return handle;
    }

private:
    Handle m_handle = nullptr;
};

} // namespace Vantix
