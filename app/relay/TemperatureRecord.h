// The hardware-monitor server's shared record "korval_hardware_mapfile" (584 bytes), mapped for reading.
// The server writes it from its own process without a lock; each read here is one aligned 32-bit load.
// The view is published atomically, so a reader on another thread sees either no view or a complete one.
#pragma once

#include <atomic>
#include <string>

#include "shell/KernelHandle.h"

class TemperatureRecord {
public:
    static const char kDefaultName[];
    static constexpr unsigned kSize = 584;
    static constexpr unsigned kCpuTemperatureOffset = 152;
    static constexpr unsigned kServerStatusOffset = 156;

    explicit TemperatureRecord(const char* name = kDefaultName);

    // Creates or opens the record and maps it read-only; true when a view is held. Called on the worker
    // thread only; does nothing once a view is held.
    bool MapTemperatureRecord();
    bool IsMapped() const { return m_published.load() != nullptr; }

    // Both answer false while no view is held.
    bool ReadCpuTemperature(float& celsius) const { return ReadFloat(kCpuTemperatureOffset, celsius); }
    bool ReadServerStatus(float& status) const { return ReadFloat(kServerStatusOffset, status); }

private:
    bool ReadFloat(unsigned offset, float& value) const;

    std::string m_name;
    UniqueHandle m_mapping;
    MappedView m_view;
    std::atomic<const unsigned char*> m_published{nullptr};
};
