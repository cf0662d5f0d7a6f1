#include "HidEmulator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

const int kCollections = 3;
const int kVendorCollection = 2;
const unsigned short kUsagePages[kCollections] = {0x0001, 0x000C, 0xFF01};
const unsigned short kUsages[kCollections] = {0x0080, 0x0001, 0x0001};
const unsigned short kDisplayVendor = 0x1A2C;
const unsigned short kDisplayProduct = 0x4F84;
const unsigned short kMouseVendor = 0x046D;
const unsigned short kMouseProduct = 0xC077;
const size_t kLongPathPadding = 1100;
const wchar_t kProduct[] = L"Emulated Temperature Display";
const char kHidClass[] = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";

wchar_t* CopyWide(const wchar_t* text) {
    size_t length = std::wcslen(text) + 1;
    auto* copy = static_cast<wchar_t*>(std::malloc(length * sizeof(wchar_t)));
    std::wmemcpy(copy, text, length);
    return copy;
}

char* CopyNarrow(const std::string& text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

hid_device_info* NewInfo(const std::string& path, unsigned short vendor, unsigned short product,
                         unsigned short usagePage, unsigned short usage, int interfaceNumber) {
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    info->path = CopyNarrow(path);
    info->vendor_id = vendor;
    info->product_id = product;
    info->serial_number = CopyWide(L"");
    info->release_number = 0x0100;
    info->manufacturer_string = CopyWide(L"hidemu");
    info->product_string = CopyWide(kProduct);
    info->usage_page = usagePage;
    info->usage = usage;
    info->interface_number = interfaceNumber;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

bool Wanted(unsigned short vendor, unsigned short product, unsigned short wantedVendor,
            unsigned short wantedProduct) {
    return (wantedVendor == 0 || wantedVendor == vendor) && (wantedProduct == 0 || wantedProduct == product);
}

std::string Digit(unsigned char value) {
    return value <= 9 ? std::string(1, char('0' + value)) : "?";
}

} // namespace

HidEmulator& HidEmulator::Instance() {
    static HidEmulator emulator;
    return emulator;
}

HidEmulator::HidEmulator() {
    EmulatorConfig config;
    if (const char* settings = std::getenv("HIDEMU_CONFIG"))
        EmulatorConfig::Parse(settings, config);
    Reset(config);
}

void HidEmulator::Reset(const EmulatorConfig& config) {
    m_config = config;
    m_displays.assign(config.displays, Display());
}

bool HidEmulator::Configure(const char* settings) {
    EmulatorConfig config;
    if (!settings || !EmulatorConfig::Parse(settings, config))
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    Reset(config);
    return true;
}

bool HidEmulator::IsPresent(int display) const {
    return display >= 1 && display <= static_cast<int>(m_displays.size()) && !m_config.gone.count(display) &&
           !m_unplugged.count(display);
}

void HidEmulator::ReadPresence() {
    m_unplugged.clear();
    if (m_config.presencePath.empty())
        return;
    FILE* file = std::fopen(m_config.presencePath.c_str(), "rb");
    if (!file)
        return;
    char text[256] = {};
    size_t length = std::fread(text, 1, sizeof(text) - 1, file);
    std::fclose(file);
    std::string listed(text, length);
    listed.erase(listed.find_last_not_of(" \r\n") + 1);
    std::set<int> present;
    if (!EmulatorConfig::ParseDisplayList(listed, present))
        return;
    for (int display = 1; display <= static_cast<int>(m_displays.size()); ++display)
        if (!present.count(display))
            m_unplugged.insert(display);
}

bool HidEmulator::IsOpen(const hid_device* device) const {
    return m_open.count(const_cast<hid_device*>(device)) != 0;
}

bool HidEmulator::IsVendorCollection(const hid_device* device) const {
    return IsOpen(device) && IsPresent(device->display) && device->collection == kVendorCollection;
}

std::string HidEmulator::PathOf(int display, int collection) const {
    if (display == 0)
        return std::string("\\\\?\\hid#vid_046d&pid_c077#7&mouse&0&0000") + kHidClass;
    std::string path = "\\\\?\\hid#vid_1a2c&pid_4f84&mi_00&col0" + std::to_string(collection + 1) + "#7&emu" +
                       std::to_string(display) + "&0&000" + std::to_string(collection);
    if (m_config.longPath)
        path += "&" + std::string(kLongPathPadding, 'x');
    return path + kHidClass;
}

hid_device_info* HidEmulator::Enumerate(unsigned short vendorId, unsigned short productId) {
    std::lock_guard<std::mutex> guard(m_lock);
    ReadPresence();
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    auto append = [&next](hid_device_info* info) {
        *next = info;
        next = &info->next;
    };
    if (Wanted(kMouseVendor, kMouseProduct, vendorId, productId))
        append(NewInfo(PathOf(0, 0), kMouseVendor, kMouseProduct, 0x0001, 0x0002, 0));
    for (int display = 1; display <= static_cast<int>(m_displays.size()); ++display) {
        if (!IsPresent(display) || !Wanted(kDisplayVendor, kDisplayProduct, vendorId, productId))
            continue;
        for (int collection = 0; collection < kCollections; ++collection)
            append(NewInfo(PathOf(display, collection), kDisplayVendor, kDisplayProduct,
                           kUsagePages[collection], kUsages[collection], 0));
    }
    return first;
}

void HidEmulator::FreeEnumeration(hid_device_info* devices) {
    while (devices) {
        hid_device_info* next = devices->next;
        std::free(devices->path);
        std::free(devices->serial_number);
        std::free(devices->manufacturer_string);
        std::free(devices->product_string);
        std::free(devices);
        devices = next;
    }
}

hid_device* HidEmulator::Open(const char* path) {
    if (!path)
        return nullptr;
    std::lock_guard<std::mutex> guard(m_lock);
    ReadPresence();
    if (PathOf(0, 0) == path)
        return *m_open.insert(new hid_device{0, 0}).first;
    for (int display = 1; display <= static_cast<int>(m_displays.size()); ++display) {
        for (int collection = 0; collection < kCollections; ++collection) {
            if (PathOf(display, collection) != path)
                continue;
            if (!IsPresent(display) || m_config.refuseOpen.count(display) ||
                (collection == kVendorCollection && m_config.held.count(display)))
                return nullptr;
            return *m_open.insert(new hid_device{display, collection}).first;
        }
    }
    return nullptr;
}

void HidEmulator::Close(hid_device* device) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_open.erase(device))
        delete device;
}

int HidEmulator::SendFeatureReport(hid_device* device, const unsigned char* data, size_t length) {
    std::lock_guard<std::mutex> guard(m_lock);
    ReadPresence();
    if (!data || length == 0 || !IsVendorCollection(device) || m_config.failSend.count(device->display))
        return -1;
    RecordReport(device->display, data, length);
    return static_cast<int>(length);
}

void HidEmulator::RecordReport(int display, const unsigned char* data, size_t length) {
    Display& state = m_displays[display - 1];
    state.reports.emplace_back(data, data + length);
    if (length >= 6 && data[0] == 0x07 && data[1] == 0xFF && data[2] == 0xFF) {
        bool digits = data[3] <= 9 && data[4] <= 9 && data[5] <= 9;
        state.shown = digits ? data[3] * 100 + data[4] * 10 + data[5] : -2;
        Log(display, Digit(data[3]) + Digit(data[4]) + Digit(data[5]));
    } else if (length >= 2 && data[0] == 0x07 && data[1] == 0xFD) {
        Log(display, "firmware query");
    } else {
        char bytes[32];
        std::snprintf(bytes, sizeof(bytes), "report %02X %02X %02X", data[0], length > 1 ? data[1] : 0,
                      length > 2 ? data[2] : 0);
        Log(display, bytes);
    }
}

void HidEmulator::Log(int display, const std::string& text) const {
    if (m_config.logPath.empty())
        return;
    if (FILE* log = std::fopen(m_config.logPath.c_str(), "ab")) {
        std::fprintf(log, "display %d: %s\n", display, text.c_str());
        std::fclose(log);
    }
}

int HidEmulator::GetFeatureReport(hid_device* device, unsigned char* data, size_t length) {
    std::lock_guard<std::mutex> guard(m_lock);
    ReadPresence();
    if (!data || length < 3 || !IsVendorCollection(device))
        return -1;
    ++m_displays[device->display - 1].reads;
    data[0] = m_config.badReply.count(device->display) ? 0x00 : 0x07;
    data[1] = static_cast<unsigned char>(m_config.firmware >> 8);
    data[2] = static_cast<unsigned char>(m_config.firmware & 0xFF);
    return static_cast<int>(length);
}

int HidEmulator::GetProductString(hid_device* device, wchar_t* text, size_t maxChars) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!text || maxChars == 0 || !IsOpen(device) || m_config.noProduct.count(device->display))
        return -1;
    std::wcsncpy(text, kProduct, maxChars - 1);
    text[maxChars - 1] = L'\0';
    return 0;
}

int HidEmulator::Shown(int display) {
    std::lock_guard<std::mutex> guard(m_lock);
    return display >= 1 && display <= static_cast<int>(m_displays.size()) ? m_displays[display - 1].shown
                                                                          : -1;
}

int HidEmulator::ReportCount(int display) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (display < 1 || display > static_cast<int>(m_displays.size()))
        return 0;
    return static_cast<int>(m_displays[display - 1].reports.size());
}

int HidEmulator::Report(int display, int index, unsigned char* buffer, int size) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (display < 1 || display > static_cast<int>(m_displays.size()) || !buffer || size < 0)
        return -1;
    const auto& reports = m_displays[display - 1].reports;
    if (index < 0 || index >= static_cast<int>(reports.size()))
        return -1;
    int length = static_cast<int>(reports[index].size());
    std::memcpy(buffer, reports[index].data(), length < size ? length : size);
    return length;
}

int HidEmulator::ReadCount(int display) {
    std::lock_guard<std::mutex> guard(m_lock);
    return display >= 1 && display <= static_cast<int>(m_displays.size()) ? m_displays[display - 1].reads : 0;
}

int HidEmulator::OpenHandles() {
    std::lock_guard<std::mutex> guard(m_lock);
    return static_cast<int>(m_open.size());
}

int HidEmulator::Unplug(int display) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (display < 1 || display > static_cast<int>(m_displays.size()))
        return -1;
    m_config.gone.insert(display);
    return 0;
}
