#include "relay/CHidDeviceManager.h"

#include <cstring>
#include <windows.h>

namespace {
const size_t kProductChars = 512;
const size_t kQuerySize = 64;
const unsigned char kFirmwareCommand = 0xFD;
const DWORD kQueryPauseMs = 16;
} // namespace

CHidDeviceManager& CHidDeviceManager::Instance() {
    static CHidDeviceManager instance;
    return instance;
}

CHidDeviceManager::CHidDeviceManager() {
    EnsureInitialised();
}

CHidDeviceManager::~CHidDeviceManager() {
    CloseEntries();
    if (m_initialised)
        hid_exit();
}

bool CHidDeviceManager::EnsureInitialised() {
    if (!m_initialised)
        m_initialised = hid_init() == 0;
    return m_initialised;
}

void CHidDeviceManager::ClearDeviceFilters() {
    m_filters.clear();
}

void CHidDeviceManager::AddDeviceFilter(const std::wstring& tag, int tagNumber) {
    m_filters.push_back(HidDeviceFilter{kVendorId, kProductId, tag, tagNumber});
}

void CHidDeviceManager::CloseAllDevices() {
    if (!m_active)
        return;
    m_active = false;
    CloseEntries();
}

void CHidDeviceManager::CloseEntries() {
    m_devices.clear();
    m_deviceCount.store(0);
}

void CHidDeviceManager::OpenMatchingDevices() {
    if (!EnsureInitialised())
        return;
    hid_device_info* devices = hid_enumerate(0, 0);
    for (hid_device_info* info = devices; info; info = info->next) {
        if (MatchesFilter(*info))
            OpenIfVendorCollection(*info);
    }
    hid_free_enumeration(devices);
    m_deviceCount.store(static_cast<int>(m_devices.size()));
}

bool CHidDeviceManager::MatchesFilter(const hid_device_info& info) const {
    for (const HidDeviceFilter& filter : m_filters) {
        if (filter.vendorId == info.vendor_id && filter.productId == info.product_id)
            return true;
    }
    return false;
}

void CHidDeviceManager::OpenIfVendorCollection(const hid_device_info& info) {
    if (!info.path)
        return;
    hid_device* device = hid_open_path(info.path);
    if (!device)
        return;
    if (info.usage_page != kVendorUsagePage || info.usage != kVendorUsage) {
        hid_close(device);
        return;
    }
    wchar_t product[kProductChars] = {};
    if (hid_get_product_string(device, product, kProductChars) != 0)
        product[0] = L'\0';
    product[kProductChars - 1] = L'\0';
    int position = static_cast<int>(m_devices.size());
    m_devices.push_back(std::make_unique<HidDeviceEntry>(device, position, info, product));
}

bool CHidDeviceManager::SendReportToAll(const unsigned char* report) {
    if (!m_active)
        return false;
    unsigned char buffer[kReportSize] = {};
    std::memcpy(buffer, report, kReportSize - 1);
    for (const auto& entry : m_devices) {
        if (entry->Device())
            hid_send_feature_report(entry->Device(), buffer, kReportSize);
    }
    return true;
}

bool CHidDeviceManager::QueryFirmwareVersion(int& version) {
    if (!m_active || m_devices.empty() || !m_devices.front()->Device())
        return false;
    hid_device* device = m_devices.front()->Device();
    unsigned char request[kQuerySize] = {kReportId, kFirmwareCommand};
    Sleep(kQueryPauseMs);
    if (hid_send_feature_report(device, request, kQuerySize) <= 0)
        return false;
    unsigned char reply[kQuerySize];
    for (int read = 0; read < 2; ++read) {
        Sleep(kQueryPauseMs);
        std::memcpy(reply, request, kQuerySize);
        hid_get_feature_report(device, reply, kQuerySize);
        if (reply[0] == kReportId)
            break;
    }
    version = (reply[1] << 8) | reply[2];
    return true;
}

const HidDeviceEntry* CHidDeviceManager::GetDevice(int index) const {
    if (index < 0 || index >= static_cast<int>(m_devices.size()))
        return nullptr;
    return m_devices[index].get();
}
