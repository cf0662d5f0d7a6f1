// The display emulator's configuration, read from "key=value;key=value" text (see HidEmuControl.h).
#pragma once

#include <set>
#include <string>

struct EmulatorConfig {
    int displays = 1;
    int firmware = 0x0102;
    std::set<int> refuseOpen;
    std::set<int> held;
    std::set<int> failSend;
    std::set<int> badReply;
    std::set<int> noProduct;
    std::set<int> gone;
    bool longPath = false;
    std::string logPath;
    std::string presencePath;

    // False for a key or value it does not know; the configuration is then left as it was.
    static bool Parse(const std::string& text, EmulatorConfig& config);
    // Reads "1,2" or "all" (an empty text lists none); false for anything else.
    static bool ParseDisplayList(const std::string& text, std::set<int>& displays);
};
