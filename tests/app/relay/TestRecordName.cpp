#include "TestRecordName.h"

#include <windows.h>

std::string TestRecordName(const char* purpose) {
    static int serial = 0;
    return "relay_test_" + std::to_string(GetCurrentProcessId()) + "_" + purpose + "_" +
           std::to_string(++serial);
}
