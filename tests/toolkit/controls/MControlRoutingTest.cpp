// How the control base routes mouse, wheel, key and timer events down its tree: the hot child, the
// press that keeps the moves, translated points, double clicks, the focused child and timer flags.
#include <gtest/gtest.h>

#include "support/RecordingControl.h"
#include "support/RecordingParent.h"
#include "core/PaintManager.h"

using Vantix::CPoint;
using Vantix::CRect;

namespace {

// A container scrolled by (dx, dy): its content children see translated points.
class ScrolledContainer : public RecordingControl {
public:
    ScrolledContainer(CRect rect, CPoint offset) : RecordingControl(nullptr, 100, rect), m_offset(offset) {}
    int OnMousePointChange(CPoint& point) override {
        point += m_offset;
        return 1;
    }

private:
    CPoint m_offset;
};

struct MControlChildren : testing::Test {
    RecordingParent parent;
    RecordingControl root{&parent, 100, CRect(0, 0, 200, 200)};
    RecordingControl* left = root.AddChild(10, CRect(10, 10, 60, 60));
    RecordingControl* right = root.AddChild(11, CRect(100, 10, 150, 60));
};

} // namespace

TEST_F(MControlChildren, MovesFindTheHotChildAndLeaveItWhenThePointerGoes) {
    EXPECT_EQ(1, root.OnMouseMove(0, CPoint(20, 20)));
    EXPECT_EQ(left, root.HotChild());
    EXPECT_EQ(1, right->Count("MouseMove")); // every child sees the move that finds the hot one
    right->Clear();
    root.Clear();

    root.OnMouseMove(0, CPoint(25, 25)); // inside the hot child: straight to it
    EXPECT_EQ(0, right->Count("MouseMove"));
    EXPECT_EQ(0, root.Count("MouseMove"));
    EXPECT_EQ(CPoint(25, 25), left->Last("MouseMove")->point);

    root.OnMouseMove(0, CPoint(80, 80)); // on the container itself
    EXPECT_EQ(nullptr, root.HotChild());
    EXPECT_EQ(1, root.Count("MouseMove"));
    EXPECT_EQ(CPoint(80, 80), left->Last("MouseMove")->point); // the old hot child learns it left
}

TEST_F(MControlChildren, AChildThatUsesNoMovesDoesNotBecomeHot) {
    left->answer = 0;
    right->answer = 0;
    root.answer = 0;
    EXPECT_EQ(0, root.OnMouseMove(0, CPoint(20, 20)));
    EXPECT_EQ(nullptr, root.HotChild());
    EXPECT_EQ(1, left->Count("MouseMove"));
}

TEST_F(MControlChildren, WhileAButtonIsHeldOnAChildMovesOutsideStillReachIt) {
    root.OnMouseMove(0, CPoint(20, 20));
    right->Clear();
    root.OnLButtonDown(MK_LBUTTON, CPoint(20, 20));
    EXPECT_EQ(1, root.IsPressed());
    EXPECT_EQ(1, left->Count("LButtonDown"));
    root.OnMouseMove(MK_LBUTTON, CPoint(120, 30)); // over the other child
    EXPECT_EQ(CPoint(120, 30), left->Last("MouseMove")->point);
    EXPECT_EQ(0, right->Count("MouseMove"));
    EXPECT_EQ(left, root.HotChild());
    root.OnLButtonUp(0, CPoint(120, 30));
    EXPECT_EQ(1, left->Count("LButtonUp"));
    EXPECT_EQ(0, right->Count("LButtonUp"));
    EXPECT_EQ(0, root.IsPressed());
}

TEST_F(MControlChildren, PressOnTheContainerItselfMakesItTheHostFocus) {
    Vantix::PaintManager host;
    root.SetManager(&host);
    left->SetManager(&host);
    host.SetFocusControl(left);
    left->Clear();
    root.OnLButtonDown(0, CPoint(80, 80));
    EXPECT_EQ(&root, host.GetFocusControl());
    ASSERT_NE(nullptr, left->Last("Focus"));
    EXPECT_EQ(0u, left->Last("Focus")->flags);
    EXPECT_EQ(1u, root.Last("Focus")->flags);
    EXPECT_EQ(1, root.Count("LButtonDown"));
}

TEST_F(MControlChildren, PressPicksOnlyVisibleEnabledRespondingChildren) {
    left->SetEnabled(0);
    root.OnLButtonDown(0, CPoint(20, 20));
    EXPECT_EQ(nullptr, root.HotChild());
    EXPECT_EQ(0, left->Count("LButtonDown"));
    EXPECT_EQ(1, root.Count("LButtonDown"));
}

TEST(MControlRouting, DoubleClickWithoutTheFlagArrivesAsASecondPress) {
    static const struct {
        int dblClk;
        const char* hook;
    } cases[] = {{0, "LButtonDown"}, {1, "LButtonDblClk"}};
    for (const auto& c : cases) {
        RecordingControl control(nullptr, 1, CRect(0, 0, 50, 50));
        control.SetDoubleClick(c.dblClk);
        control.OnLButtonDown(0, CPoint(5, 5));
        control.OnLButtonUp(0, CPoint(5, 5));
        control.Clear();
        EXPECT_EQ(1, control.OnLButtonDblClk(0, CPoint(5, 5)));
        ASSERT_EQ(1u, control.calls.size()) << c.dblClk;
        EXPECT_EQ(c.hook, control.calls[0].hook);
        EXPECT_EQ(0, control.IsPressed());
    }
}

TEST(MControlRouting, DoubleClickOnAHotChildWithoutTheFlagIsAPressOnIt) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* child = root.AddChild(2, CRect(10, 10, 40, 40));
    root.OnLButtonDown(0, CPoint(20, 20));
    root.OnLButtonUp(0, CPoint(20, 20));
    child->Clear();
    child->answer = 0;
    EXPECT_EQ(0, root.OnLButtonDblClk(0, CPoint(20, 20)));
    // Its own second press answered 0, so the container presses it once more.
    EXPECT_EQ(2, child->Count("LButtonDown"));
    EXPECT_EQ(0, root.Count("LButtonDblClk"));
}

TEST(MControlRouting, ScrollBarsOfAContainerSeeWindowPointsOtherChildrenContentPoints) {
    ScrolledContainer box(CRect(0, 0, 200, 200), CPoint(0, 300));
    RecordingControl* bar = box.AddChild(1, CRect(190, 0, 200, 200));
    RecordingControl* hbar = box.AddChild(2, CRect(0, 190, 200, 200));
    RecordingControl* content = box.AddChild(5, CRect(0, 300, 200, 500));
    box.OnMouseMove(0, CPoint(195, 195));
    EXPECT_EQ(CPoint(195, 195), bar->Last("MouseMove")->point);
    EXPECT_EQ(CPoint(195, 195), hbar->Last("MouseMove")->point);
    EXPECT_EQ(CPoint(195, 495), content->Last("MouseMove")->point);
    EXPECT_EQ(CPoint(195, 495), box.Last("MouseMove")->point); // its own hooks get the translated point
}

TEST(MControlRouting, HiddenControlIgnoresInputAndNonRespondingOneIgnoresMouseAndKeys) {
    static const struct {
        int visible, responds;
        BOOL hit;
    } cases[] = {{0, 1, FALSE}, {1, 0, TRUE}};
    for (const auto& c : cases) {
        RecordingControl control(nullptr, 1, CRect(0, 0, 50, 50), c.visible, 1, c.responds);
        const CPoint in(10, 10);
        EXPECT_EQ(c.hit, control.PtInRect(in));
        EXPECT_EQ(0, control.OnMouseMove(0, in));
        EXPECT_EQ(0, control.OnLButtonDown(0, in));
        EXPECT_EQ(0, control.OnLButtonUp(0, in));
        EXPECT_EQ(0, control.OnLButtonDblClk(0, in));
        EXPECT_EQ(0, control.OnRButtonDown(0, in));
        EXPECT_EQ(0, control.OnRButtonUp(0, in));
        EXPECT_EQ(0, control.OnRButtonDblClk(0, in));
        EXPECT_EQ(0, control.OnKeyDown('A', 1, 0));
        EXPECT_EQ(0, control.OnScroll(1, 1, in));
        EXPECT_TRUE(control.calls.empty());
    }
}

TEST(MControlRouting, WheelGoesToTheChildUnderThePointerThenToTheControl) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* child = root.AddChild(2, CRect(10, 10, 40, 40));
    child->scrollAnswer = 1;
    EXPECT_EQ(1, root.OnScroll(1, 1, CPoint(20, 20)));
    EXPECT_EQ(1, child->Count("Scroll"));
    EXPECT_EQ(1, root.Count("Scroll")); // the control is asked first and declined

    root.scrollAnswer = 1;
    EXPECT_EQ(1, root.OnScroll(1, 0, CPoint(20, 20)));
    EXPECT_EQ(1, child->Count("Scroll"));
    EXPECT_EQ(0u, root.Last("Scroll")->flags);

    EXPECT_EQ(0, root.OnScroll(1, 1, CPoint(150, 20))); // outside
    root.SetEnabled(0);
    EXPECT_EQ(0, root.OnScroll(1, 1, CPoint(20, 20)));
}

TEST(MControlRouting, KeysGoToTheFocusedChildFirst) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* plain = root.AddChild(2, CRect(0, 0, 10, 10));
    RecordingControl* focused = root.AddChild(3, CRect(20, 0, 30, 10));
    RecordingControl* deep = focused->AddChild(4, CRect(20, 0, 25, 5));
    focused->SetFocusedFlag(1);
    deep->SetFocusedFlag(1);
    EXPECT_EQ(1, root.OnKeyDown(VK_SPACE, 1, 16));
    ASSERT_EQ(1, deep->Count("KeyDown"));
    EXPECT_EQ(16u, deep->Last("KeyDown")->flags);
    EXPECT_EQ(0, focused->Count("KeyDown"));
    EXPECT_EQ(0, root.Count("KeyDown"));
    EXPECT_EQ(0, plain->Count("KeyDown"));

    deep->answer = 0; // the key still belongs to it and goes nowhere else
    EXPECT_EQ(0, root.OnKeyDown(VK_SPACE, 1, 0));
    EXPECT_EQ(0, plain->Count("KeyDown"));

    focused->SetFocusedFlag(0);
    root.answer = 0;
    EXPECT_EQ(1, root.OnKeyDown('X', 1, 0)); // no focused child: own hook, then the children in order
    EXPECT_EQ(1, root.Count("KeyDown"));
    EXPECT_EQ(1, plain->Count("KeyDown"));
    EXPECT_EQ(0, focused->Count("KeyDown"));
}

TEST(MControlRouting, TimerTicksReachOnlyVisibleChildrenThatRunTimers) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* running = root.AddChild(2, CRect());
    RecordingControl* idle = root.AddChild(3, CRect());
    RecordingControl* hidden = root.AddChild(4, CRect(), false);
    running->SetRunTimer(1);
    hidden->SetRunTimer(1);
    hidden->SetVisible(0);
    EXPECT_EQ(1, root.OnTimer());
    EXPECT_EQ(1, root.ticks);
    EXPECT_EQ(1, running->ticks);
    EXPECT_EQ(0, idle->ticks);
    EXPECT_EQ(0, hidden->ticks);
}

TEST(MControlRouting, LosingTheFocusReachesEveryChild) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* child = root.AddChild(2, CRect());
    RecordingControl* grandchild = child->AddChild(3, CRect());
    root.SetControlFocus(1);
    EXPECT_EQ(0, child->Count("Focus"));
    root.OnFocus(0);
    EXPECT_EQ(0u, child->Last("Focus")->flags);
    EXPECT_EQ(0u, grandchild->Last("Focus")->flags);
}
