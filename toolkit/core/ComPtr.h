// Owning holder of one COM interface reference: Release on reset and destruction.
#pragma once

#include <windows.h>

namespace Vantix {

template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : m_object(other.Detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    Interface* Get() const { return m_object; }
    Interface* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    // Releases the held reference and returns the slot for a call that fills it (CoCreateInstance).
    Interface** Put() {
        Reset();
        return &m_object;
    }
    // Takes over a reference the caller already owns.
    void Attach(Interface* object) {
        Reset();
        m_object = object;
    }
    Interface* Detach() {
        Interface* object = m_object;
        m_object = nullptr;
        return object;
    }
    void Reset() {
        if (m_object)
            m_object->Release();
        m_object = nullptr;
    }

private:
    Interface* m_object = nullptr;
};

} // namespace Vantix
