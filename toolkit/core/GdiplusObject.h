// Owning holder of one GDI+ object (image, brush, font family, string format, font collection).
// Every GDI+ object the toolkit creates with new goes through it, so the objects are released in one
// place and the live count (LiveObjectCount) sees each one. GDI+ wrappers that live on the stack
// release themselves and are not counted.
#pragma once

#include "core/LiveObjectCount.h"

namespace Vantix {

template <class Object> class GdiplusObject {
public:
    GdiplusObject() = default;
    explicit GdiplusObject(Object* object) { Reset(object); }
    GdiplusObject(GdiplusObject&& other) noexcept : m_object(other.m_object) { other.m_object = nullptr; }
    GdiplusObject& operator=(GdiplusObject&& other) noexcept {
        if (this != &other) {
            Reset();
            m_object = other.m_object;
            other.m_object = nullptr;
        }
        return *this;
    }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;
    ~GdiplusObject() { Reset(); }

    Object* Get() const { return m_object; }
    Object* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    void Reset(Object* object = nullptr) {
        if (object == m_object)
            return;
        if (m_object) {
            delete m_object;
            LiveObjectCount::RemoveGdiplus();
        }
        m_object = object;
        if (m_object)
            LiveObjectCount::AddGdiplus();
    }
    // Gives up ownership without deleting; from then on the object is no longer counted.
    Object* Detach() {
        Object* object = m_object;
        if (m_object)
            LiveObjectCount::RemoveGdiplus();
        m_object = nullptr;
        return object;
    }

private:
    Object* m_object = nullptr;
};

} // namespace Vantix
