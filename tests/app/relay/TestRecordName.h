// Names for shared records that belong to one test process only, so tests running side by side in the
// same Wine prefix never read each other's temperatures.
#pragma once

#include <string>

std::string TestRecordName(const char* purpose);
