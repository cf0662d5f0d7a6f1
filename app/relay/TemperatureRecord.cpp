#include "relay/TemperatureRecord.h"

#include <cstring>
#include <windows.h>

const char TemperatureRecord::kDefaultName[] = "korval_hardware_mapfile";

TemperatureRecord::TemperatureRecord(const char* name) : m_name(name) {}

bool TemperatureRecord::MapTemperatureRecord() {
    if (IsMapped())
        return true;
    UniqueHandle mapping(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, m_name.c_str()));
    if (!mapping.IsValid())
        return false;
    MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, kSize));
    if (!view.IsValid())
        return false;
    m_mapping = std::move(mapping);
    m_view = std::move(view);
    m_published.store(static_cast<const unsigned char*>(m_view.Get()));
    return true;
}

bool TemperatureRecord::ReadFloat(unsigned offset, float& value) const {
    const unsigned char* base = m_published.load();
    if (!base)
        return false;
    // One whole 32-bit load: the server may be writing the same word right now.
    LONG bits = *reinterpret_cast<const volatile LONG*>(base + offset);
    std::memcpy(&value, &bits, sizeof(value));
    return true;
}
