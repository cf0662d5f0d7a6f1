// The control host's wheel and key dispatch and its Tab order, in a real window: notches and their
// direction, modifier codes from the thread's key state, and Tab, Shift+Tab, Ctrl+Tab through
// PreTranslateMessage.
#include <gtest/gtest.h>

#include <initializer_list>

#include "support/HostWindow.h"

using Vantix::CPoint;
using Vantix::CRect;

namespace {

// Holds the given keys down in this thread's key state (what GetKeyState reads) for its lifetime.
class HeldKeys {
public:
    HeldKeys(std::initializer_list<int> keys) {
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() {
        BYTE state[256] = {};
        ::SetKeyboardState(state);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
};

MSG KeyMessage(HWND hwnd, UINT msg, WPARAM key) {
    MSG message = {};
    message.hwnd = hwnd;
    message.message = msg;
    message.wParam = key;
    return message;
}

} // namespace

TEST(PaintManagerWheel, NotchesGoToTheHoverControlOrTheFirstControlThatTakesThem) {
    static const struct {
        short delta;
        int hoverTakes, backTakes;
        LRESULT result;
        int hoverCalls, backCalls;
        UINT direction;
    } cases[] = {
        {60, 1, 1, 0, 0, 0, 0},   // less than a notch: nothing at all
        {-240, 1, 0, 1, 2, 0, 1}, // two notches toward the user, both to the hover control
        {240, 1, 0, 1, 2, 0, 0},  //
        {-240, 0, 1, 1, 2, 2, 1}, // declined by the hover control, taken by the first in order
        {-120, 0, 0, 0, 2, 1, 1}, // nobody: the hover control is asked twice, as hover and in order
        {-239, 1, 0, 1, 1, 0, 1}, // truncated toward zero: one notch
    };
    for (const auto& c : cases) {
        HostWindow window(CRect(100, 100, 500, 400));
        RecordingControl* back = window.Add(1, 3, CRect(0, 0, 300, 100));
        RecordingControl* hover = window.Add(1, 1, CRect(10, 10, 110, 60));
        window.Mouse(WM_MOUSEMOVE, 20, 20);
        ASSERT_EQ(hover, window.Host().GetHoverControl());
        hover->scrollAnswer = c.hoverTakes;
        back->scrollAnswer = c.backTakes;
        // The wheel point is in screen coordinates.
        const LRESULT result =
            window.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), MAKELPARAM(120, 120));
        SCOPED_TRACE(testing::Message() << "delta " << c.delta);
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.hoverCalls, hover->Count("Scroll"));
        EXPECT_EQ(c.backCalls, back->Count("Scroll"));
        if (const ControlCall* call = hover->Last("Scroll")) {
            EXPECT_EQ(c.direction, call->flags);
            EXPECT_EQ(CPoint(20, 20), call->point);
        }
    }
}

TEST(PaintManagerKeys, KeyDownGoesToTheHoverControlThenInOrderWithTheModifierCode) {
    static const struct {
        std::initializer_list<int> held;
        UINT code;
    } cases[] = {
        {{}, 0},
        {{VK_SHIFT}, 16},
        {{VK_MENU}, 18},
        {{VK_CONTROL}, 17},
        {{VK_CONTROL, VK_SHIFT}, 17},
        {{VK_CONTROL, VK_MENU}, 19},
        {{VK_MENU, VK_SHIFT}, 18},
    };
    HostWindow window;
    RecordingControl* first = window.Add(1, 1, CRect(10, 10, 50, 50));
    RecordingControl* hover = window.Add(1, 2, CRect(100, 10, 150, 50));
    window.Mouse(WM_MOUSEMOVE, 120, 20);
    for (const auto& c : cases) {
        HeldKeys keys(c.held);
        hover->Clear();
        EXPECT_EQ(1, window.Send(WM_KEYDOWN, 'K', 0));
        ASSERT_EQ(1, hover->Count("KeyDown"));
        EXPECT_EQ(c.code, hover->Last("KeyDown")->flags);
        EXPECT_EQ(CPoint('K', 0), hover->Last("KeyDown")->point);
    }
    EXPECT_EQ(0, first->Count("KeyDown"));

    hover->answer = 0;
    window.Send(WM_SYSKEYDOWN, 'L', 0);
    EXPECT_EQ(1, first->Count("KeyDown")); // declined by the hover control: offered in order
    EXPECT_EQ(0, window.Send(WM_KEYUP, 'L', 0));
    EXPECT_EQ(1, first->Count("KeyDown"));
}

TEST(PaintManagerKeys, TabMovesTheFocusAlongVisibleEnabledTabStops) {
    enum { NONE = 0 };
    static const struct {
        UINT focusBefore;
        std::initializer_list<int> held;
        UINT message;
        BOOL consumed;
        UINT focusAfter;
    } cases[] = {
        {NONE, {}, WM_KEYDOWN, TRUE, 1},         // no focus: the first tab stop
        {1, {}, WM_KEYDOWN, TRUE, 4},            // skips a non-stop, a disabled and a hidden one
        {4, {}, WM_KEYDOWN, TRUE, 1},            // wraps to the first
        {1, {VK_SHIFT}, WM_KEYDOWN, TRUE, 4},    // Shift+Tab on the first wraps to the last
        {4, {VK_SHIFT}, WM_SYSKEYDOWN, TRUE, 1}, //
        {1, {VK_CONTROL}, WM_KEYDOWN, FALSE, 1}, // Ctrl+Tab is not consumed
        {1, {VK_CONTROL, VK_SHIFT}, WM_KEYDOWN, FALSE, 1},
        {1, {VK_MENU}, WM_KEYDOWN, FALSE, 1},
        {2, {}, WM_KEYDOWN, TRUE, 4},    // from a control that is no tab stop itself
        {6, {}, WM_KEYDOWN, TRUE, NONE}, // a nested focus has no place in the order
    };
    HostWindow window;
    const struct {
        UINT id;
        int tabStop, visible, enabled;
    } controls[] = {{1, 1, 1, 1}, {2, 0, 1, 1}, {3, 1, 1, 0}, {4, 1, 1, 1}, {5, 1, 0, 1}};
    for (const auto& c : controls) {
        RecordingControl* control =
            window.Add(1, c.id, CRect(c.id * 20, 0, c.id * 20 + 10, 10), c.visible, c.enabled);
        control->SetTabStop(c.tabStop);
    }
    auto* nested = static_cast<RecordingControl*>(window.Host().GetControl(2))->AddChild(6, CRect());
    nested->SetTabStop(1);
    Vantix::PaintManager& host = window.Host();
    for (const auto& c : cases) {
        host.SetFocusControl(c.focusBefore ? host.GetControl(c.focusBefore) : nullptr);
        HeldKeys keys(c.held);
        MSG message = KeyMessage(window.Handle(), c.message, VK_TAB);
        SCOPED_TRACE(testing::Message() << "focus " << c.focusBefore << " message " << c.message);
        EXPECT_EQ(c.consumed, host.PreTranslateMessage(&message));
        Vantix::MControl* focus = host.GetFocusControl();
        EXPECT_EQ(c.focusAfter, focus ? focus->GetControlID() : 0u);
    }
    MSG other = KeyMessage(window.Handle(), WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(host.PreTranslateMessage(&other));
}

TEST(PaintManagerKeys, TabTellsTheOldAndTheNewFocusControl) {
    HostWindow window;
    RecordingControl* first = window.Add(1, 1, CRect(0, 0, 10, 10));
    RecordingControl* second = window.Add(1, 2, CRect(20, 0, 30, 10));
    first->SetTabStop(1);
    second->SetTabStop(1);
    window.Host().SetFocusControl(first);
    first->Clear();
    MSG tab = KeyMessage(window.Handle(), WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(window.Host().PreTranslateMessage(&tab));
    ASSERT_EQ(1, first->Count("Focus"));
    EXPECT_EQ(0u, first->Last("Focus")->flags);
    ASSERT_EQ(1, second->Count("Focus"));
    EXPECT_EQ(1u, second->Last("Focus")->flags);
    // Tab with one tab stop lands on the focus control itself: nothing to consume.
    first->SetVisible(0);
    EXPECT_FALSE(window.Host().PreTranslateMessage(&tab));
}
