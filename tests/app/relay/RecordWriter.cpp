#include "RecordWriter.h"

#include <cstring>
#include <windows.h>

#include "relay/TemperatureRecord.h"

RecordWriter::RecordWriter(const std::string& name)
    : m_mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, TemperatureRecord::kSize,
                                   name.c_str())) {
    if (m_mapping.IsValid())
        m_view.Reset(MapViewOfFile(m_mapping.Get(), FILE_MAP_WRITE, 0, 0, TemperatureRecord::kSize));
}

void RecordWriter::WriteFloat(unsigned offset, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    WriteBits(offset, bits);
}

void RecordWriter::WriteBits(unsigned offset, uint32_t bits) {
    auto* word =
        reinterpret_cast<volatile LONG*>(static_cast<char*>(const_cast<void*>(m_view.Get())) + offset);
    InterlockedExchange(word, static_cast<LONG>(bits));
}

float RecordWriter::ReadFloat(unsigned offset) const {
    LONG bits = *reinterpret_cast<const volatile LONG*>(static_cast<const char*>(m_view.Get()) + offset);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}
