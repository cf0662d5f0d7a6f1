#include <gtest/gtest.h>

#include <windows.h>
#include <initializer_list>
#include <vector>

#include "RecordingWindow.h"
#include "core/CString.h"
#include "core/Manager.h"
#include "core/SkinPath.h"

using Vantix::CString;
using Vantix::Manager;

namespace {

// Tests that change the globals put them back, so the defaults hold for whoever runs next.
class ManagerGlobals : public testing::Test {
protected:
    void TearDown() override {
        Manager::SetScaleValue(m_scale);
        Manager::SetFont(m_font, m_fontWidth);
    }

private:
    float m_scale = Manager::GetScaleValue();
    CString m_font = Manager::GetFontName();
    int m_fontWidth = Manager::GetFontWidth();
};

// Keys pressed through the system's input queue for as long as the object lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<WORD> keys) : m_keys(keys) { Send(0); }
    ~HeldKeys() {
        Send(KEYEVENTF_KEYUP);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    void Send(DWORD flags) {
        std::vector<INPUT> inputs;
        for (WORD key : m_keys) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    std::vector<WORD> m_keys;
};

} // namespace

TEST(Manager, FreshProcessHasTheDefaults) {
    EXPECT_EQ(CString(L"Arial"), Manager::GetFontName());
    EXPECT_EQ(14, Manager::GetFontWidth());
    EXPECT_EQ(1.0f, Manager::GetScaleValue());
    EXPECT_EQ(0.0f, Manager::GetCPUTemp());
    EXPECT_EQ(0xFFBD30FFu, Manager::GetSelectColor().GetValue());
    EXPECT_EQ(1u, Manager::m_gdiplusStartupInput.GdiplusVersion);
    EXPECT_EQ(nullptr, Manager::m_gdiplusStartupInput.DebugEventCallback);
    EXPECT_FALSE(Manager::m_gdiplusStartupInput.SuppressBackgroundThread);
    EXPECT_FALSE(Manager::m_gdiplusStartupInput.SuppressExternalCodecs);
    EXPECT_EQ(0u, Manager::m_gdiplusToken);
    EXPECT_EQ(CString(L"theme1\\"), Manager::GetTheme());
}

TEST_F(ManagerGlobals, ScaledValuesAreTruncatedTowardZero) {
    struct Case {
        float scale;
        int value, expected;
    };
    static const Case cases[] = {
        {1.5f, 7, 10},  {1.5f, -7, -10}, {1.5f, 9, 13}, {1.0f, 123, 123}, {1.25f, 3, 3},
        {2.0f, -4, -8}, {0.5f, 1, 0},    {0.5f, -1, 0}, {1.75f, 0, 0},    {1.1f, 100, 110},
    };
    for (const Case& c : cases) {
        Manager::SetScaleValue(c.scale);
        EXPECT_EQ(c.expected, Manager::GetScaleValue(c.value)) << c.value << " x " << c.scale;
    }
}

TEST_F(ManagerGlobals, SetFontChangesNameAndSize) {
    Manager::SetFont(L"Open Sans Semibold", 12);
    EXPECT_EQ(CString(L"Open Sans Semibold"), Manager::GetFontName());
    EXPECT_EQ(12, Manager::GetFontWidth());
    Manager::SetFontName(L"Tahoma");
    EXPECT_EQ(CString(L"Tahoma"), Manager::m_fontname);
    EXPECT_EQ(12, Manager::m_fontwidth);
}

TEST(Manager, WindowRegistryIsASet) {
    RecordingWindow first;
    RecordingWindow second;
    int before = Manager::GetWndCount();
    Manager::AddWnd(&first);
    Manager::AddWnd(&first);
    EXPECT_EQ(before + 1, Manager::GetWndCount());
    Manager::DeleteWnd(&second);
    EXPECT_EQ(before + 1, Manager::GetWndCount());
    EXPECT_EQ(1, Manager::HasWnd(&first));
    EXPECT_EQ(0, Manager::HasWnd(&second));
    Manager::AddWnd(&second);
    Manager::DeleteWnd(&first);
    EXPECT_EQ(0, Manager::HasWnd(&first));
    EXPECT_EQ(1, Manager::HasWnd(&second));
    Manager::DeleteWnd(&second);
    EXPECT_EQ(before, Manager::GetWndCount());
}

TEST(Manager, InitAndUnInitEmptyTheRegistry) {
    RecordingWindow window;
    Manager::AddWnd(&window);
    Manager::InitGdiplus();
    EXPECT_NE(0u, Manager::m_gdiplusToken);
    EXPECT_EQ(0, Manager::GetWndCount());
    Manager::AddWnd(&window);
    Manager::UnInitGdiplus();
    EXPECT_EQ(0, Manager::GetWndCount());
}

TEST(Manager, MessageLoopDispatchesUntilQuit) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.Create(nullptr, L"loop", WS_POPUP, 0, Vantix::CRect(0, 0, 50, 50)));
    window.PostMessageW(WM_APP, 0, 0);
    PostQuitMessage(0);
    Manager::MessageLoop();
    EXPECT_TRUE(window.Received(WM_APP));
    EXPECT_EQ(0, Manager::PreTranslateMessage(nullptr));
    window.DestroyWindow();
}

TEST(Manager, MessageLoopDropsMessagesWhileAltAndF4AreHeld) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.Create(nullptr, L"loop", WS_POPUP, 0, Vantix::CRect(0, 0, 50, 50)));
    {
        HeldKeys keys{VK_MENU, VK_F4};
        ASSERT_EQ(1, Manager::PreTranslateMessage(nullptr));
        window.PostMessageW(WM_APP, 0, 0);
        PostQuitMessage(0);
        Manager::MessageLoop();
    }
    EXPECT_FALSE(window.Received(WM_APP));
    EXPECT_FALSE(window.Received(WM_SYSKEYDOWN));
    EXPECT_NE(nullptr, window.GetSafeHwnd());
    EXPECT_EQ(0, Manager::PreTranslateMessage(nullptr));
    window.DestroyWindow();
}

TEST(Manager, SkinPathIsTheThemeFolderBesideTheProgram) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    CString folder(program);
    folder = folder.Left(folder.ReverseFind(L'\\') + 1);
    EXPECT_EQ(folder + L"skins\\theme1\\", Vantix::GetSkinPath());
}
