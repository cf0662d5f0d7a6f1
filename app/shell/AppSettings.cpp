#include "shell/AppSettings.h"

void AppSettings::Load() {
    m_ledSwitch = m_store.ReadSetting(L"led_switch");
    if (m_ledSwitch == 0) {
        m_store.WriteSetting(L"led_switch", L"1");
        m_ledSwitch = 1;
    }
    m_deviceType = m_store.ReadSetting(L"device_type");
    m_temperatureUnit = m_store.ReadSetting(L"tempe_type");
}

int AppSettings::ToggleTemperatureUnit() {
    m_temperatureUnit = m_temperatureUnit != 0 ? 0 : 1;
    m_store.WriteSetting(L"tempe_type", m_temperatureUnit != 0 ? L"1" : L"0");
    return m_temperatureUnit;
}
