// The exported functions: hidapi's C interface as the application imports it, and the emulator's own
// control functions described in HidEmuControl.h.
#include <hidapi.h>

#include "HidEmulator.h"

#define HIDEMU_EXPORT extern "C" __declspec(dllexport)

int HID_API_EXPORT HID_API_CALL hid_init(void) {
    HidEmulator::Instance();
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void) {
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id) {
    return HidEmulator::Instance().Enumerate(vendor_id, product_id);
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs) {
    HidEmulator::FreeEnumeration(devs);
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path) {
    return HidEmulator::Instance().Open(path);
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev) {
    HidEmulator::Instance().Close(dev);
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device* dev, const unsigned char* data,
                                                        size_t length) {
    return HidEmulator::Instance().SendFeatureReport(dev, data, length);
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length) {
    return HidEmulator::Instance().GetFeatureReport(dev, data, length);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return HidEmulator::Instance().GetProductString(dev, string, maxlen);
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device*) {
    return L"hidemu: request refused";
}

HIDEMU_EXPORT int hidemu_configure(const char* settings) {
    return HidEmulator::Instance().Configure(settings) ? 0 : -1;
}

HIDEMU_EXPORT int hidemu_shown(int display) {
    return HidEmulator::Instance().Shown(display);
}

HIDEMU_EXPORT int hidemu_report_count(int display) {
    return HidEmulator::Instance().ReportCount(display);
}

HIDEMU_EXPORT int hidemu_report(int display, int index, unsigned char* buffer, int size) {
    return HidEmulator::Instance().Report(display, index, buffer, size);
}

HIDEMU_EXPORT int hidemu_read_count(int display) {
    return HidEmulator::Instance().ReadCount(display);
}

HIDEMU_EXPORT int hidemu_open_handles(void) {
    return HidEmulator::Instance().OpenHandles();
}

HIDEMU_EXPORT int hidemu_unplug(int display) {
    return HidEmulator::Instance().Unplug(display);
}
