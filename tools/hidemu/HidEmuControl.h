// Display emulator: a hidapi.dll with hidapi's C interface that presents temperature displays (vendor
// 0x1A2C, product 0x4F84) without hardware. Drop it beside an executable in place of the real hidapi.dll.
//
// Each display has three top-level collections: system control (usage page 0x01, usage 0x80), consumer
// (0x0C, 1) and the vendor collection (0xFF01, 1) that takes feature reports with report ID 7. One
// unrelated device (vendor 0x046D, a mouse) is always listed as well. A temperature report (07 FF FF d d d)
// changes what the display shows; a firmware query (07 FD) is answered on the next feature-report read with
// bytes 1 and 2 holding the firmware number, big-endian.
//
// Configuration: the environment variable HIDEMU_CONFIG, read on first use, or hidemu_configure below; both
// take "key=value" pairs separated by ';'. Display lists are 1-based numbers separated by ',' or "all".
//   displays=N       number of displays (default 1)
//   firmware=V       firmware number, decimal or 0x hex (default 0x0102)
//   refuse_open=L    every collection of these displays refuses to open
//   held=L           the vendor collection of these displays is held elsewhere: opening it fails
//   fail_send=L      feature-report sends to these displays fail
//   bad_reply=L      firmware replies of these displays carry byte 0 = 0 instead of 7 on every read
//   no_product=L     the product-string read of these displays fails
//   gone=L           these displays have gone away: not listed, and open handles to them fail
//   long_path=1      display paths are longer than 1100 characters
//   log=PATH         append one line per feature report to this file, e.g. "display 1: 045"
//   presence=PATH    a file listing the displays plugged in now ("1,2"; empty: none), read again on every
//                    call, so another process can plug and unplug them; without the file all are present
//
// Control functions for tests (look them up with GetProcAddress on the loaded "hidapi.dll"; cdecl):
#pragma once

extern "C" {
// Replaces the whole configuration and forgets every record; 0 on success, -1 for text it cannot read.
typedef int (*hidemu_configure_fn)(const char* settings);
// What display (1-based) shows now as a three-digit number; -1 before its first temperature report and
// -2 when the last one carried a byte that is no digit.
typedef int (*hidemu_shown_fn)(int display);
// Number of feature reports the display has received, firmware queries included.
typedef int (*hidemu_report_count_fn)(int display);
// Copies report index (0 = first) of the display into buffer; its length, or -1 when there is none.
typedef int (*hidemu_report_fn)(int display, int index, unsigned char* buffer, int size);
// Number of feature-report reads the display has answered.
typedef int (*hidemu_read_count_fn)(int display);
// Number of devices opened and not yet closed, over all displays and the unrelated device.
typedef int (*hidemu_open_handles_fn)(void);
// Makes the display go away now, as if unplugged; 0 on success.
typedef int (*hidemu_unplug_fn)(int display);
}
