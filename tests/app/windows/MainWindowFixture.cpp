#include "MainWindowFixture.h"

#include "shell/SettingsStore.h"

namespace {

// Nothing listens there: every update check ends at once without an answer.
const wchar_t kDeadUpdateServer[] = L"http://127.0.0.1:9";

std::wstring UniqueSettingsKey() {
    static int serial = 0;
    return L"TEMP_windows_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++serial);
}

std::string UniqueRecordName() {
    static int serial = 0;
    return "windows_test_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
}

} // namespace

MainWindowFixture::MainWindowFixture()
    : m_settingsKey(UniqueSettingsKey()), m_recordName(UniqueRecordName()), m_record(m_recordName) {
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", kDeadUpdateServer);
    if (m_emulator.IsEmulator())
        m_emulator.Configure("displays=1");
}

MainWindowFixture::~MainWindowFixture() {
    m_window.reset();
    RegDeleteKeyW(HKEY_CURRENT_USER, (L"SOFTWARE\\" + m_settingsKey).c_str());
}

void MainWindowFixture::Open() {
    m_window = std::make_unique<TestMainWindow>(m_recorded.Make(m_settingsKey, m_recordName));
    ASSERT_NE(nullptr, m_window->CreateMainWindow());
    PumpMessages(50);
}

void MainWindowFixture::WriteSetting(const wchar_t* name, const wchar_t* text) const {
    SettingsStore store(m_settingsKey.c_str());
    store.ReadSetting(name); // creates the key
    store.WriteSetting(name, text);
}

int MainWindowFixture::ReadSetting(const wchar_t* name) const {
    return SettingsStore(m_settingsKey.c_str()).ReadSetting(name);
}

void MainWindowFixture::Mouse(UINT msg, int x, int y) const {
    SendMessageW(Window(), msg, 0, MAKELPARAM(x, y));
}

Vantix::PaintBuffer MainWindowFixture::Render() const {
    Vantix::CRect client;
    m_window->GetClientRect(&client);
    return m_window->GetPaintManager()->RenderFrame(client);
}

bool MainWindowFixture::UnitLit(int probeX) const {
    Vantix::PaintBuffer frame = Render();
    const uint32_t pixel = frame.Pixel(probeX, kProbeY);
    // The lit segment is a purple gradient with blue near 0xE0; the unlit track is nearly black.
    return (pixel & 0xFF) > 0x90;
}

bool MainWindowFixture::WaitForRefresh() const {
    return PumpUntil([this] { return m_window->Worker().Record().IsMapped(); }, 5000);
}
