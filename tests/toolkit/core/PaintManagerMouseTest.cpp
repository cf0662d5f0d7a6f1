// The control host's mouse dispatch in a real window driven with SendMessageW: hover and leave, the
// pressed control with the capture, double clicks, window dragging, deactivation, focus on presses.
#include <gtest/gtest.h>

#include "support/HostWindow.h"

using Vantix::CPoint;
using Vantix::CRect;

namespace {

struct PaintManagerMouse : testing::Test {
    HostWindow window;
    RecordingControl* a = window.Add(1, 1, CRect(10, 10, 110, 60));
    RecordingControl* b = window.Add(1, 2, CRect(150, 10, 250, 60));
    Vantix::PaintManager& host = window.Host();

    UINT HoverId() {
        Vantix::MControl* hover = host.GetHoverControl();
        return hover ? hover->GetControlID() : 0;
    }
    void ClearCalls() {
        a->Clear();
        b->Clear();
    }
};

} // namespace

TEST_F(PaintManagerMouse, HoverFollowsThePointerAndEndsWhenItLeaves) {
    static const struct {
        UINT msg;
        int x, y;
        UINT hover;    // id of the hover control afterwards, 0 for none
        UINT notified; // the control whose last move carries this step's point
        CPoint seen;
    } steps[] = {
        {WM_MOUSEMOVE, 20, 20, 1, 1, {20, 20}},
        {WM_MOUSEMOVE, 30, 25, 1, 1, {30, 25}},
        {WM_MOUSEMOVE, 160, 20, 2, 1, {160, 20}}, // a learns the pointer has gone
        {WM_MOUSEMOVE, 130, 20, 0, 2, {130, 20}}, // between the controls
        {WM_MOUSEMOVE, 200, 30, 2, 2, {200, 30}},
        {WM_MOUSELEAVE, 0, 0, 0, 2, {-1, -1}},  // the hover control hears (-1, -1)
        {WM_MOUSEMOVE, 50, 50, 1, 1, {50, 50}}, // tracking is armed again
    };
    for (const auto& step : steps) {
        EXPECT_EQ(1, window.Mouse(step.msg, step.x, step.y));
        EXPECT_EQ(step.hover, HoverId()) << "at " << step.x << "," << step.y;
        RecordingControl* notified = step.notified == 1 ? a : b;
        ASSERT_NE(nullptr, notified->Last("MouseMove"));
        EXPECT_EQ(step.seen, notified->Last("MouseMove")->point) << "at " << step.x << "," << step.y;
    }
}

TEST_F(PaintManagerMouse, PressMovesOutsideAndReleaseAllReachThePressedControl) {
    window.Mouse(WM_MOUSEMOVE, 20, 20);
    ClearCalls();
    window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    EXPECT_EQ(1, a->Count("LButtonDown"));
    EXPECT_EQ(1, host.IsCaptured());
    EXPECT_EQ(window.Handle(), ::GetCapture());
    EXPECT_EQ(a, host.GetFocusControl());

    window.Mouse(WM_MOUSEMOVE, 200, 30, MK_LBUTTON); // over b
    window.Mouse(WM_MOUSEMOVE, 300, 200, MK_LBUTTON);
    EXPECT_EQ(CPoint(300, 200), a->Last("MouseMove")->point);
    EXPECT_EQ(0, b->Count("MouseMove"));
    EXPECT_EQ(1u, HoverId());

    window.Mouse(WM_LBUTTONUP, 200, 30);
    EXPECT_EQ(1, a->Count("LButtonUp"));
    EXPECT_EQ(0, b->Count("LButtonUp"));
    EXPECT_EQ(0, host.IsCaptured());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0u, HoverId()); // released outside: the hover control is let go
    EXPECT_EQ(0, window.captionPresses);
}

TEST_F(PaintManagerMouse, ReleaseInsideKeepsTheHoverControl) {
    window.Mouse(WM_MOUSEMOVE, 20, 20);
    window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    window.Mouse(WM_LBUTTONUP, 25, 25);
    EXPECT_EQ(1u, HoverId());
    EXPECT_EQ(CPoint(25, 25), a->Last("LButtonUp")->point);
}

TEST_F(PaintManagerMouse, DoubleClickWithoutTheFlagArrivesAsAPress) {
    static const struct {
        int dblClk;
        int presses, doubleClicks;
    } cases[] = {{0, 2, 0}, {1, 1, 1}};
    for (const auto& c : cases) {
        a->SetDoubleClick(c.dblClk);
        window.Mouse(WM_MOUSEMOVE, 20, 20);
        ClearCalls();
        window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
        window.Mouse(WM_LBUTTONUP, 20, 20);
        window.Mouse(WM_LBUTTONDBLCLK, 20, 20, MK_LBUTTON);
        window.Mouse(WM_LBUTTONUP, 20, 20);
        EXPECT_EQ(c.presses, a->Count("LButtonDown")) << "double-click flag " << c.dblClk;
        EXPECT_EQ(c.doubleClicks, a->Count("LButtonDblClk")) << "double-click flag " << c.dblClk;
        EXPECT_EQ(2, a->Count("LButtonUp"));
    }
}

TEST_F(PaintManagerMouse, PressWhereNoControlTakesItMovesTheWindowUnlessDraggingIsOff) {
    static const struct {
        BOOL drag;
        int declines; // the hover control's OnCheckMouseResponse answers 0
        int moves;
    } cases[] = {{TRUE, 0, 1}, {FALSE, 0, 0}, {TRUE, 1, 1}};
    for (const auto& c : cases) {
        host.EnableWndDrag(c.drag);
        a->checkResponse = !c.declines;
        window.captionPresses = 0;
        window.Mouse(WM_MOUSEMOVE, c.declines ? 20 : 300, 200);
        window.Mouse(WM_LBUTTONDOWN, c.declines ? 20 : 300, 200, MK_LBUTTON);
        EXPECT_EQ(c.moves, window.captionPresses) << "drag " << c.drag << " declines " << c.declines;
        EXPECT_EQ(0, a->Count("LButtonDown"));
        window.Mouse(WM_LBUTTONUP, 300, 200);
    }
    // A right press never moves the window.
    host.EnableWndDrag(TRUE);
    window.captionPresses = 0;
    window.Mouse(WM_RBUTTONDOWN, 300, 200, MK_RBUTTON);
    EXPECT_EQ(0, window.captionPresses);
}

TEST_F(PaintManagerMouse, AControlThatTakesTheMessageHidesThePressFromTheHost) {
    b->consumedMessage = WM_LBUTTONDOWN;
    window.Mouse(WM_MOUSEMOVE, 20, 20);
    EXPECT_EQ(0, window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON));
    EXPECT_EQ(0, a->Count("LButtonDown"));
    EXPECT_EQ(0, host.IsCaptured());
    EXPECT_EQ(0, window.captionPresses);
    EXPECT_EQ(nullptr, host.GetFocusControl());
    window.Mouse(WM_LBUTTONUP, 20, 20); // other messages still pass
    EXPECT_EQ(1, a->Count("LButtonUp"));
}

TEST_F(PaintManagerMouse, DeactivationEndsTheHoverAndAHeldButton) {
    static const struct {
        bool held;
        const char* hook;
    } cases[] = {{true, "LButtonUp"}, {false, "MouseMove"}};
    for (const auto& c : cases) {
        window.Mouse(WM_MOUSEMOVE, 20, 20);
        if (c.held)
            window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
        ClearCalls();
        EXPECT_EQ(1, window.Send(WM_NCACTIVATE, FALSE, 0));
        ASSERT_EQ(1u, a->calls.size()) << c.hook;
        EXPECT_EQ(c.hook, a->calls[0].hook);
        EXPECT_EQ(CPoint(-1, -1), a->calls[0].point);
        EXPECT_EQ(0u, HoverId());
        EXPECT_EQ(0, host.IsCaptured());
        ::ReleaseCapture();
        // Nothing is held any more: the next move hit-tests again.
        window.Mouse(WM_MOUSEMOVE, 200, 20);
        EXPECT_EQ(2u, HoverId());
    }
}

TEST_F(PaintManagerMouse, RightPressFocusesAndCapturesWithoutHoldingTheMoves) {
    window.Mouse(WM_MOUSEMOVE, 20, 20);
    window.Mouse(WM_RBUTTONDOWN, 20, 20, MK_RBUTTON);
    EXPECT_EQ(1, a->Count("RButtonDown"));
    EXPECT_EQ(a, host.GetFocusControl());
    EXPECT_EQ(1, host.IsCaptured());
    window.Mouse(WM_MOUSEMOVE, 200, 20, MK_RBUTTON);
    EXPECT_EQ(2u, HoverId());
    window.Mouse(WM_RBUTTONUP, 200, 20);
    EXPECT_EQ(1, b->Count("RButtonUp"));
    EXPECT_EQ(0, host.IsCaptured());
}

TEST_F(PaintManagerMouse, PressOnAnotherControlTakesTheFocusFromTheFirst) {
    window.Mouse(WM_MOUSEMOVE, 20, 20);
    window.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    window.Mouse(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(0, a->Count("Focus")); // the host sets its focus without telling the control
    window.Mouse(WM_MOUSEMOVE, 200, 20);
    window.Mouse(WM_LBUTTONDOWN, 200, 20, MK_LBUTTON);
    ASSERT_EQ(1, a->Count("Focus"));
    EXPECT_EQ(0u, a->Last("Focus")->flags);
    EXPECT_EQ(b, host.GetFocusControl());
    window.Mouse(WM_LBUTTONUP, 200, 20);
    window.Mouse(WM_MOUSEMOVE, 300, 200);
    window.Mouse(WM_LBUTTONDOWN, 300, 200, MK_LBUTTON); // on nothing: the focus goes
    EXPECT_EQ(nullptr, host.GetFocusControl());
    window.Mouse(WM_LBUTTONUP, 300, 200);
}
