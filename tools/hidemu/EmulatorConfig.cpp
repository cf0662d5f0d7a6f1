#include "EmulatorConfig.h"

#include <cstdlib>
#include <sstream>

namespace {

const int kMaxDisplays = 16;

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || parsed < 0 || parsed > 0xFFFF)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

bool EmulatorConfig::ParseDisplayList(const std::string& text, std::set<int>& displays) {
    displays.clear();
    if (text == "all") {
        for (int display = 1; display <= kMaxDisplays; ++display)
            displays.insert(display);
        return true;
    }
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        int display = 0;
        if (!ParseNumber(item, display) || display < 1 || display > kMaxDisplays)
            return false;
        displays.insert(display);
    }
    return true;
}

namespace {

bool ApplySetting(const std::string& key, const std::string& value, EmulatorConfig& config) {
    if (key == "displays")
        return ParseNumber(value, config.displays) && config.displays <= kMaxDisplays;
    if (key == "firmware")
        return ParseNumber(value, config.firmware);
    if (key == "refuse_open")
        return EmulatorConfig::ParseDisplayList(value, config.refuseOpen);
    if (key == "held")
        return EmulatorConfig::ParseDisplayList(value, config.held);
    if (key == "fail_send")
        return EmulatorConfig::ParseDisplayList(value, config.failSend);
    if (key == "bad_reply")
        return EmulatorConfig::ParseDisplayList(value, config.badReply);
    if (key == "no_product")
        return EmulatorConfig::ParseDisplayList(value, config.noProduct);
    if (key == "gone")
        return EmulatorConfig::ParseDisplayList(value, config.gone);
    if (key == "long_path") {
        config.longPath = value == "1";
        return value == "0" || value == "1";
    }
    if (key == "log") {
        config.logPath = value;
        return true;
    }
    if (key == "presence") {
        config.presencePath = value;
        return true;
    }
    return false;
}

} // namespace

bool EmulatorConfig::Parse(const std::string& text, EmulatorConfig& config) {
    EmulatorConfig parsed;
    std::istringstream pairs(text);
    std::string pair;
    while (std::getline(pairs, pair, ';')) {
        if (pair.empty())
            continue;
        size_t equals = pair.find('=');
        if (equals == std::string::npos ||
            !ApplySetting(pair.substr(0, equals), pair.substr(equals + 1), parsed))
            return false;
    }
    config = parsed;
    return true;
}
