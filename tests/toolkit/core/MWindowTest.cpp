#include <gtest/gtest.h>

#include <windows.h>
#include <algorithm>
#include <vector>

#include "RecordingWindow.h"
#include "core/CString.h"

using Vantix::CRect;
using Vantix::CString;
using Vantix::MWindow;

namespace {

const RECT kPopupRect = {40, 30, 240, 130};

// Every message sent to any window of this thread, as the system delivers it (before any procedure).
class SentMessageLog {
public:
    SentMessageLog() : m_hook(SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId())) {
        Messages().clear();
    }
    ~SentMessageLog() { UnhookWindowsHookEx(m_hook); }
    SentMessageLog(const SentMessageLog&) = delete;
    SentMessageLog& operator=(const SentMessageLog&) = delete;

    static std::vector<UINT>& Messages() {
        static std::vector<UINT> messages;
        return messages;
    }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION)
            Messages().push_back(reinterpret_cast<CWPSTRUCT*>(lParam)->message);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
};

size_t IndexOf(const std::vector<UINT>& messages, UINT msg) {
    return static_cast<size_t>(std::find(messages.begin(), messages.end(), msg) - messages.begin());
}

} // namespace

TEST(MWindow, CreateLinksWindowAndObjectUntilNcDestroy) {
    RecordingWindow window;
    HWND hwnd = window.CreatePopup(kPopupRect);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(hwnd, window.GetSafeHwnd());
    EXPECT_EQ(hwnd, window.handleAtInit);
    EXPECT_EQ(1, window.initCalls);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&window), GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    EXPECT_STREQ(L"MWindow", className);

    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_EQ(nullptr, window.GetSafeHwnd());
    ASSERT_EQ(1u, window.destroyed.size());
    EXPECT_EQ(hwnd, window.destroyed[0]);
    // By the time the object hears of it the link is already gone.
    EXPECT_EQ(nullptr, window.handleAtDestroy);
    EXPECT_EQ(0, window.userDataAtDestroy);
    EXPECT_FALSE(window.Received(WM_NCDESTROY));
    EXPECT_TRUE(window.Received(WM_DESTROY));
}

TEST(MWindow, ObjectCreatesAgainAfterItsWindowIsGone) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.CreatePopup(kPopupRect));
    window.DestroyWindow();
    HWND second = window.CreatePopup(kPopupRect);
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(2, window.initCalls);
    window.DestroyWindow();
}

TEST(MWindow, CreateOnAnObjectWithAWindowReturnsItAndCreatesNothing) {
    RecordingWindow window;
    HWND first = window.CreatePopup(kPopupRect);
    ASSERT_NE(nullptr, first);
    SentMessageLog log;
    EXPECT_EQ(first, window.Create(nullptr, L"again", WS_POPUP, 0, CRect(0, 0, 10, 10)));
    EXPECT_EQ(first, window.Create(nullptr));
    EXPECT_EQ(1, window.initCalls);
    EXPECT_EQ(IndexOf(log.Messages(), WM_NCCREATE), log.Messages().size()) << "a second window was created";
    window.DestroyWindow();
}

TEST(MWindow, MessageBeforeNcCreateGoesToDefWindowProc) {
    SentMessageLog log;
    RecordingWindow window;
    // An overlapped window is asked for its size limits before WM_NCCREATE.
    HWND hwnd = window.Create(nullptr, L"test", WS_OVERLAPPEDWINDOW, 0, CRect(kPopupRect));
    ASSERT_NE(nullptr, hwnd);
    const std::vector<UINT>& sent = log.Messages();
    ASSERT_LT(IndexOf(sent, WM_GETMINMAXINFO), IndexOf(sent, WM_NCCREATE));
    ASSERT_FALSE(window.messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_NCCREATE), window.messages.front());
    window.DestroyWindow();
}

TEST(MWindow, RefusedNcCreateLeavesNoWindowButStillInitialises) {
    RecordingWindow window;
    window.handler = [](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        result = FALSE;
        return msg == WM_NCCREATE;
    };
    EXPECT_EQ(nullptr, window.CreatePopup(kPopupRect));
    EXPECT_EQ(nullptr, window.GetSafeHwnd());
    EXPECT_EQ(1, window.initCalls);
    EXPECT_EQ(1u, window.destroyed.size());
    EXPECT_EQ(-1, window.GetWindowTextLengthW());
}

TEST(MWindow, UnknownSuperClassFailsBeforeCreating) {
    struct NoSuchBase : RecordingWindow {
        const wchar_t* GetWindowClassName() const override { return L"VantixTestNoBase"; }
        const wchar_t* GetSuperClassName() const override { return L"VantixNoSuchClass"; }
    } window;
    EXPECT_EQ(nullptr, window.CreatePopup(kPopupRect));
    EXPECT_EQ(0, window.initCalls);
    EXPECT_TRUE(window.messages.empty());
}

TEST(MWindow, DeletedObjectNoLongerReceivesItsWindowsMessages) {
    auto* window = new RecordingWindow;
    HWND hwnd = window->CreatePopup(kPopupRect);
    ASSERT_NE(nullptr, hwnd);
    delete window;
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(0, GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    SetWindowTextW(hwnd, L"still works");
    EXPECT_EQ(11, GetWindowTextLengthW(hwnd));
    EXPECT_TRUE(::DestroyWindow(hwnd));
}

TEST(MWindow, OperationsWithoutAWindowDoNothing) {
    MWindow window;
    RECT rect = {1, 2, 3, 4};
    POINT point = {5, 6};
    CString text(L"kept");
    EXPECT_EQ(nullptr, window.GetSafeHwnd());
    EXPECT_EQ(0u, window.GetStyle());
    EXPECT_FALSE(window.ModifyStyle(0, WS_VISIBLE, SWP_FRAMECHANGED));
    EXPECT_FALSE(window.ShowWindow(SW_SHOW));
    EXPECT_FALSE(window.GetClientRect(&rect));
    EXPECT_FALSE(window.ClientToScreen(&point));
    EXPECT_FALSE(window.ClientToScreen(&rect));
    EXPECT_EQ(0, window.GetWindowTextW(text));
    EXPECT_EQ(CString(L"kept"), text);
    EXPECT_EQ(-1, window.GetWindowTextLengthW());
    EXPECT_EQ(0u, window.SetTimer(1, 100, nullptr));
    EXPECT_EQ(0, window.SendMessageW(WM_GETTEXTLENGTH, 0, 0));
    EXPECT_FALSE(window.PostMessageW(WM_APP, 0, 0));
    EXPECT_FALSE(window.DestroyWindow());
    window.CenterWindow();
    window.BringToTop();
    EXPECT_EQ(static_cast<UINT>(-1), window.ShowModal(SW_SHOW));
    EXPECT_EQ(1, rect.left);
    EXPECT_EQ(5, point.x);
}

TEST(MWindow, WindowTextRoundTripsThroughCString) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.CreatePopup(kPopupRect));
    EXPECT_TRUE(window.SetWindowTextW(L"Thermivo"));
    CString text;
    EXPECT_EQ(8, window.GetWindowTextW(text));
    EXPECT_EQ(CString(L"Thermivo"), text);
    EXPECT_EQ(8, window.GetWindowTextLengthW());
    window.DestroyWindow();
}

TEST(MWindow, ModifyStyleReportsChangeAndRepositionsOnlyWithFlags) {
    struct Case {
        DWORD remove, add;
        UINT flags;
        BOOL changed;
        bool repositioned;
    };
    static const Case cases[] = {
        {0, WS_BORDER, 0, TRUE, false},
        {0, WS_BORDER, 0, FALSE, false}, // already there
        {WS_BORDER, 0, SWP_FRAMECHANGED, TRUE, true},
        {WS_BORDER, 0, SWP_FRAMECHANGED, FALSE, false},
        {WS_CAPTION, WS_CAPTION, SWP_FRAMECHANGED, TRUE, true}, // added bits win over removed ones
    };
    RecordingWindow window;
    ASSERT_NE(nullptr, window.CreatePopup(kPopupRect));
    for (const Case& c : cases) {
        DWORD before = window.GetStyle();
        window.messages.clear();
        EXPECT_EQ(c.changed, window.ModifyStyle(c.remove, c.add, c.flags)) << c.remove << "/" << c.add;
        EXPECT_EQ((before & ~c.remove) | c.add, window.GetStyle());
        EXPECT_EQ(c.repositioned, window.Received(WM_WINDOWPOSCHANGING)) << c.remove << "/" << c.add;
    }
    EXPECT_TRUE(window.ModifyExStyle(0, WS_EX_TOOLWINDOW, 0));
    EXPECT_NE(0u, window.GetExStyle() & WS_EX_TOOLWINDOW);
    window.DestroyWindow();
}

TEST(MWindow, RectangleConversionsMoveBothCorners) {
    RecordingWindow window;
    ASSERT_NE(nullptr, window.CreatePopup(kPopupRect));
    RECT rect = {1, 2, 11, 12};
    EXPECT_TRUE(window.ClientToScreen(&rect));
    EXPECT_EQ(CRect(41, 32, 51, 42), CRect(rect));
    EXPECT_TRUE(window.ScreenToClient(&rect));
    EXPECT_EQ(CRect(1, 2, 11, 12), CRect(rect));
    window.DestroyWindow();
}
