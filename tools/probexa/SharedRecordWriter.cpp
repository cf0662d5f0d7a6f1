#include "SharedRecordWriter.h"

#include <cstring>

namespace {
const DWORD kRecordSize = 584;
const unsigned kCpuTemperatureOffset = 152;
const unsigned kStatusOffset = 156;
} // namespace

SharedRecordWriter::SharedRecordWriter(const std::string& name)
    : m_mapping(
          CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kRecordSize, name.c_str())) {
    if (m_mapping)
        m_view = MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, kRecordSize);
}

SharedRecordWriter::~SharedRecordWriter() {
    if (m_view)
        UnmapViewOfFile(m_view);
    if (m_mapping)
        CloseHandle(m_mapping);
}

void SharedRecordWriter::Write(float cpuTemperature, float status) {
    Store(kCpuTemperatureOffset, cpuTemperature);
    Store(kStatusOffset, status);
}

void SharedRecordWriter::Store(unsigned offset, float value) {
    LONG bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    InterlockedExchange(reinterpret_cast<volatile LONG*>(static_cast<char*>(m_view) + offset), bits);
}
