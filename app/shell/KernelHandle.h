// Owning holders for kernel objects: handles, mapped views and device notifications. Each one releases its
// object in one place and keeps the process-wide KernelHandleCount up to date.
#pragma once

#include <windows.h>
#include <dbt.h>

#include "shell/KernelHandleCount.h"

template <typename Traits> class KernelHandle {
public:
    using Type = typename Traits::Type;

    KernelHandle() = default;
    // Takes ownership; an empty value (see Traits::IsEmpty) is held as nothing.
    explicit KernelHandle(Type value) { Reset(value); }
    ~KernelHandle() { Reset(); }

    KernelHandle(KernelHandle&& other) noexcept : m_value(other.m_value) { other.m_value = Traits::Empty(); }
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_value = other.m_value;
            other.m_value = Traits::Empty();
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    Type Get() const { return m_value; }
    bool IsValid() const { return !Traits::IsEmpty(m_value); }

    void Reset(Type value = Traits::Empty()) {
        if (IsValid()) {
            Traits::Close(m_value);
            KernelHandleCount::Closed();
        }
        m_value = Traits::IsEmpty(value) ? Traits::Empty() : value;
        if (IsValid())
            KernelHandleCount::Opened();
    }

private:
    Type m_value = Traits::Empty();
};

struct HandleTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    // Win32 reports failure with either value, depending on the call.
    static bool IsEmpty(Type value) { return value == nullptr || value == INVALID_HANDLE_VALUE; }
    static void Close(Type value) { CloseHandle(value); }
};

struct MappedViewTraits {
    using Type = const void*;
    static Type Empty() { return nullptr; }
    static bool IsEmpty(Type value) { return value == nullptr; }
    static void Close(Type value) { UnmapViewOfFile(value); }
};

struct DeviceNotificationTraits {
    using Type = HDEVNOTIFY;
    static Type Empty() { return nullptr; }
    static bool IsEmpty(Type value) { return value == nullptr; }
    static void Close(Type value) { UnregisterDeviceNotification(value); }
};

using UniqueHandle = KernelHandle<HandleTraits>;
using MappedView = KernelHandle<MappedViewTraits>;
using DeviceNotification = KernelHandle<DeviceNotificationTraits>;
