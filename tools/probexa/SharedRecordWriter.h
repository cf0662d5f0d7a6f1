// The simulator's side of the shared record: creates or opens the 584-byte mapping and writes the CPU
// temperature (offset 152) and the server status value (offset 156), each as one 32-bit store.
#pragma once

#include <string>
#include <windows.h>

class SharedRecordWriter {
public:
    explicit SharedRecordWriter(const std::string& name);
    ~SharedRecordWriter();
    SharedRecordWriter(const SharedRecordWriter&) = delete;
    SharedRecordWriter& operator=(const SharedRecordWriter&) = delete;

    bool IsOpen() const { return m_view != nullptr; }
    void Write(float cpuTemperature, float status);

private:
    void Store(unsigned offset, float value);

    HANDLE m_mapping;
    void* m_view = nullptr;
};
