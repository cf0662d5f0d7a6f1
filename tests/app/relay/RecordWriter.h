// The test's side of a shared record: opens (or creates) it writable and stores raw 32-bit words, the way
// the server does.
#pragma once

#include <cstdint>
#include <string>

#include "shell/KernelHandle.h"

class RecordWriter {
public:
    explicit RecordWriter(const std::string& name);

    bool IsOpen() const { return m_view.IsValid(); }
    void WriteFloat(unsigned offset, float value);
    void WriteBits(unsigned offset, uint32_t bits);
    float ReadFloat(unsigned offset) const;

private:
    UniqueHandle m_mapping;
    MappedView m_view;
};
