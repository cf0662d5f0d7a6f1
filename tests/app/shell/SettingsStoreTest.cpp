#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "shell/AppSettings.h"
#include "shell/SettingsStore.h"

namespace {

// Each test uses a key of its own below HKCU\SOFTWARE, so tests running side by side never share one.
class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { DeleteKey(); }
    void TearDown() override { DeleteKey(); }

    void DeleteKey() { RegDeleteTreeW(HKEY_CURRENT_USER, m_store.KeyPath().c_str()); }

    bool KeyExists() const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, m_store.KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    void CreateKey() {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, m_store.KeyPath().c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);
    }

    // The stored value as REG_SZ text; "<missing>" or "<type N>" otherwise.
    std::wstring StoredText(const wchar_t* name) const {
        wchar_t text[256] = {};
        DWORD type = 0;
        DWORD size = sizeof(text) - sizeof(wchar_t);
        if (RegGetValueW(HKEY_CURRENT_USER, m_store.KeyPath().c_str(), name, RRF_RT_ANY, &type, text,
                         &size) != ERROR_SUCCESS)
            return L"<missing>";
        if (type != REG_SZ)
            return L"<type " + std::to_wstring(type) + L">";
        return text;
    }

    static std::wstring UniqueKey() {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("TEMP_test_") + test->name() + "_" + std::to_string(GetCurrentProcessId());
        return std::wstring(name.begin(), name.end());
    }

    std::wstring m_key = UniqueKey();
    SettingsStore m_store{m_key.c_str()};
};

TEST_F(SettingsStoreTest, FirstRunCreatesTheKeyAndSwitchesTheLedOn) {
    ASSERT_FALSE(KeyExists());
    AppSettings settings(m_store);
    settings.Load();
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(L"1", StoredText(L"led_switch"));
    EXPECT_EQ(L"<missing>", StoredText(L"device_type"));
    EXPECT_EQ(L"<missing>", StoredText(L"tempe_type"));
    EXPECT_EQ(1, settings.LedSwitch());
    EXPECT_EQ(0, settings.DeviceType());
    EXPECT_EQ(0, settings.TemperatureUnit());
}

TEST_F(SettingsStoreTest, StoredLedSwitchOfZeroIsRewritten) {
    CreateKey();
    m_store.WriteSetting(L"led_switch", L"0");
    m_store.WriteSetting(L"tempe_type", L"1");
    m_store.WriteSetting(L"device_type", L"1");
    AppSettings settings(m_store);
    settings.Load();
    EXPECT_EQ(L"1", StoredText(L"led_switch"));
    EXPECT_EQ(1, settings.LedSwitch());
    EXPECT_EQ(1, settings.DeviceType());
    EXPECT_EQ(1, settings.TemperatureUnit()) << "Fahrenheit from the start";
}

TEST_F(SettingsStoreTest, ToggleStoresTheNewUnit) {
    AppSettings settings(m_store);
    settings.Load();
    EXPECT_EQ(1, settings.ToggleTemperatureUnit());
    EXPECT_EQ(L"1", StoredText(L"tempe_type"));
    EXPECT_EQ(0, settings.ToggleTemperatureUnit());
    EXPECT_EQ(L"0", StoredText(L"tempe_type"));
}

TEST_F(SettingsStoreTest, WriteDoesNotCreateTheKey) {
    m_store.WriteSetting(L"tempe_type", L"1");
    EXPECT_FALSE(KeyExists());
}

TEST_F(SettingsStoreTest, DwordValueReadsAsZero) {
    CreateKey();
    DWORD one = 1;
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, m_store.KeyPath().c_str(), L"tempe_type",
                                             REG_DWORD, &one, sizeof(one)));
    EXPECT_EQ(0, m_store.ReadSetting(L"tempe_type"));
}

TEST_F(SettingsStoreTest, TextIsReadByTheRulesOfWtoi) {
    static const struct {
        const wchar_t* text;
        int value;
    } kCases[] = {
        {L"1", 1},      {L"0", 0},
        {L"  42", 42},  {L"\t7", 7},
        {L"12abc", 12}, {L"abc", 0},
        {L"", 0},       {L"-3", -3},
        {L"+5", 5},     {L"0x10", 0},
        {L"3.9", 3},    {L"9 9", 9},
        {L"007", 7},    {L"2147483647", 2147483647},
    };
    CreateKey();
    for (const auto& c : kCases) {
        m_store.WriteSetting(L"device_type", c.text);
        EXPECT_EQ(c.value, m_store.ReadSetting(L"device_type"))
            << std::string(c.text, c.text + wcslen(c.text));
    }
}

TEST_F(SettingsStoreTest, TextLongerThanTheReadLimitIsReadSafely) {
    CreateKey();
    std::wstring longText = L"8" + std::wstring(400, L'x');
    m_store.WriteSetting(L"device_type", longText.c_str());
    int value = m_store.ReadSetting(L"device_type");
    EXPECT_TRUE(value == 0 || value == 8) << value;
}

} // namespace
