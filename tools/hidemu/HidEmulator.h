// The state behind the emulated hidapi: the configured displays, the open devices, every feature report
// received and what each display shows. All entry points lock, so any thread may call them.
#pragma once

#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <hidapi.h>

#include "EmulatorConfig.h"

// An open device: which display (0 = the unrelated device) and which of its collections.
struct hid_device_ {
    int display;
    int collection;
};

class HidEmulator {
public:
    static HidEmulator& Instance();

    bool Configure(const char* settings);

    hid_device_info* Enumerate(unsigned short vendorId, unsigned short productId);
    static void FreeEnumeration(hid_device_info* devices);
    hid_device* Open(const char* path);
    void Close(hid_device* device);
    int SendFeatureReport(hid_device* device, const unsigned char* data, size_t length);
    int GetFeatureReport(hid_device* device, unsigned char* data, size_t length);
    int GetProductString(hid_device* device, wchar_t* text, size_t maxChars);

    int Shown(int display);
    int ReportCount(int display);
    int Report(int display, int index, unsigned char* buffer, int size);
    int ReadCount(int display);
    int OpenHandles();
    int Unplug(int display);

private:
    struct Display {
        int shown = -1;
        int reads = 0;
        std::vector<std::vector<unsigned char>> reports;
    };

    HidEmulator();
    void Reset(const EmulatorConfig& config);
    bool IsPresent(int display) const;
    bool IsVendorCollection(const hid_device* device) const;
    bool IsOpen(const hid_device* device) const;
    std::string PathOf(int display, int collection) const;
    void RecordReport(int display, const unsigned char* data, size_t length);
    void Log(int display, const std::string& text) const;
    void ReadPresence();

    std::mutex m_lock;
    EmulatorConfig m_config;
    std::vector<Display> m_displays;
    std::set<hid_device*> m_open;
    // Displays the presence file leaves out, as last read.
    std::set<int> m_unplugged;
};
