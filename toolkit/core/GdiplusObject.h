// Owning holder of one GDI+ object (image, brush, font family, string format, font collection).
// Every GDI+ object member of the toolkit goes through it, so the objects are released in one place.
#pragma once

namespace Vantix {

template <class Object> class GdiplusObject {
public:
    GdiplusObject() = default;
    explicit GdiplusObject(Object* object) : m_object(object) {}
    GdiplusObject(GdiplusObject&& other) noexcept : m_object(other.Detach()) {}
    GdiplusObject& operator=(GdiplusObject&& other) noexcept {
        Reset(other.Detach());
        return *this;
    }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;
    ~GdiplusObject() { Reset(); }

    Object* Get() const { return m_object; }
    Object* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    void Reset(Object* object = nullptr) {
        if (m_object != object)
            delete m_object;
        m_object = object;
    }
    Object* Detach() {
        Object* object = m_object;
        m_object = nullptr;
        return object;
    }

private:
    Object* m_object = nullptr;
};

} // namespace Vantix
