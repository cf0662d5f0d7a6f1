// The application's three settings and the order in which the main window reads them at start-up.
#pragma once

#include "shell/SettingsStore.h"

class AppSettings {
public:
    explicit AppSettings(const SettingsStore& store) : m_store(store) {}

    // Reads "led_switch" (writing "1" when it reads 0, which also covers a first run), then "device_type",
    // then "tempe_type".
    void Load();
    // Switches between Celsius (0) and Fahrenheit (1), stores the new unit and returns it.
    int ToggleTemperatureUnit();

    int LedSwitch() const { return m_ledSwitch; }
    int DeviceType() const { return m_deviceType; }
    int TemperatureUnit() const { return m_temperatureUnit; }

private:
    const SettingsStore& m_store;
    int m_ledSwitch = 1;
    int m_deviceType = 0;
    int m_temperatureUnit = 0;
};
