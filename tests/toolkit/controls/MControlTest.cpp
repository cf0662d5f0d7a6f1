// The control base's tree, geometry and state: what each setter asks of the parent, the id search,
// removal and ownership of children, the relative layout and the named cursors.
#include <gtest/gtest.h>

#include <memory>

#include "support/RecordingControl.h"
#include "support/RecordingParent.h"
#include "core/PaintManager.h"

using Vantix::CPoint;
using Vantix::CRect;
using Vantix::FS_POSITION_ITEM;

namespace {

class NamedParent : public RecordingParent {
public:
    explicit NamedParent(const wchar_t* name) : m_name(name) {}
    const wchar_t* GetClassNameW() const override { return m_name; }

private:
    const wchar_t* m_name;
};

} // namespace

TEST(MControl, SetRectTakesWidthAndHeightAndRepaintsBothPlaces) {
    RecordingParent parent;
    RecordingControl control(&parent, 7, CRect(0, 0, 5, 5));
    control.SetRect(10, 20, 30, 40);
    EXPECT_EQ(CRect(10, 20, 40, 60), control.GetRect());
    const auto updates = parent.Updates();
    ASSERT_EQ(1u, updates.size());
    EXPECT_EQ(CRect(0, 0, 40, 60), updates[0].rect);
    EXPECT_EQ(1, updates[0].redraw);
    EXPECT_EQ(&control, updates[0].control);
}

TEST(MControl, SetRectOnHiddenControlStoresQuietly) {
    RecordingParent parent;
    RecordingControl control(&parent, 7, CRect(0, 0, 5, 5), 0);
    control.SetRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(1, 2, 3, 4), control.GetRect());
    EXPECT_TRUE(parent.Updates().empty());
}

TEST(MControl, VisibilityAndEnablingAskForRepaintOnlyWhenChanged) {
    enum Setter { VISIBLE, VISIBLE_QUIET, ENABLED };
    static const struct {
        int visible, enabled;
        Setter setter;
        int value;
        size_t requests;
        int visibleAfter, enabledAfter;
    } cases[] = {
        {1, 1, VISIBLE, 1, 0, 1, 1},       // unchanged: nothing
        {1, 1, VISIBLE, 0, 1, 0, 1},       // hiding repaints the area it leaves
        {0, 1, VISIBLE, 1, 1, 1, 1},       //
        {1, 1, VISIBLE_QUIET, 0, 0, 0, 1}, // SetVisible(0, 0) tells nobody
        {1, 1, ENABLED, 1, 0, 1, 1},       //
        {1, 1, ENABLED, 0, 1, 1, 0},       //
        {0, 1, ENABLED, 0, 0, 0, 0},       // a hidden control changes without a repaint
    };
    for (const auto& c : cases) {
        RecordingParent parent;
        RecordingControl control(&parent, 3, CRect(5, 5, 25, 25), c.visible, c.enabled);
        if (c.setter == VISIBLE)
            control.SetVisible(c.value);
        else if (c.setter == VISIBLE_QUIET)
            control.SetVisible(c.value, 0);
        else
            control.SetEnabled(c.value);
        const auto updates = parent.Updates();
        SCOPED_TRACE(testing::Message()
                     << "case visible " << c.visible << " setter " << c.setter << " value " << c.value);
        ASSERT_EQ(c.requests, updates.size());
        if (!updates.empty()) {
            EXPECT_EQ(CRect(5, 5, 25, 25), updates[0].rect);
            EXPECT_EQ(1, updates[0].redraw);
        }
        EXPECT_EQ(c.visibleAfter, control.IsVisible());
        EXPECT_EQ(c.enabledAfter, control.IsEnabled());
    }
}

TEST(MControl, UpdateRequestsCarryTheirFlagsInTheirOwnOrder) {
    RecordingParent parent;
    RecordingControl control(&parent, 3, CRect(5, 5, 25, 25), 0);
    control.UpdateControl(1, 0); // hidden, not forced: nothing
    control.UpdateControl(1, 1);
    control.UpdateControl(CRect(6, 6, 8, 8), 1, 0);
    control.UpdateAControl(1, 1);
    const auto updates = parent.Updates();
    ASSERT_EQ(3u, updates.size());
    EXPECT_EQ(1, updates[0].redraw);
    EXPECT_EQ(CRect(6, 6, 8, 8), updates[1].rect);
    EXPECT_EQ(0, updates[1].redraw);
    EXPECT_EQ(CRect(5, 5, 25, 25), updates[2].rect);
    EXPECT_EQ(0, updates[2].redraw);
}

TEST(MControl, PositionItem2ValueResolvesOffsetCentreAndPercent) {
    static const struct {
        int mode, fromEnd;
        float value;
        int expected;
    } cases[] = {
        {0, 0, 10.0f, 110}, {0, 1, 10.0f, 290}, {0, 0, 10.9f, 110}, {0, 0, -10.9f, 90},
        {1, 0, 10.0f, 210}, {1, 1, 10.0f, 190}, {2, 0, 50.0f, 200}, {2, 0, 150.0f, 300},
        {2, 1, 50.0f, 200}, {2, 0, 33.3f, 166}, {3, 0, 10.0f, 0},   {-1, 0, 10.0f, 0},
    };
    RecordingControl control(nullptr, 1, CRect());
    for (const auto& c : cases) {
        const FS_POSITION_ITEM item = {c.mode, c.fromEnd, c.value};
        EXPECT_EQ(c.expected, control.Layout(item, 100, 300))
            << "mode " << c.mode << " from end " << c.fromEnd << " value " << c.value;
    }
    // The centre halves toward zero: span 100..301 has its centre at 200.
    EXPECT_EQ(200, control.Layout({1, 0, 0.0f}, 100, 301));
}

TEST(MControl, GetControlSearchesDepthFirstControlsBeforeAreas) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* area = root.AddChild(5, CRect(), true);
    RecordingControl* first = root.AddChild(2, CRect());
    RecordingControl* deep = first->AddChild(5, CRect());
    RecordingControl* second = root.AddChild(3, CRect());
    RecordingControl* areaChild = area->AddChild(9, CRect());
    EXPECT_EQ(deep, root.GetControl(5)); // the control subtree wins over the area with the same id
    EXPECT_EQ(second, root.GetControl(3));
    EXPECT_EQ(areaChild, root.GetControl(9));
    EXPECT_EQ(nullptr, root.GetControl(1)); // not itself
    EXPECT_EQ(nullptr, root.GetControl(42));
}

TEST(MControl, RemoveControlDeletesTheChildAndForgetsItEverywhere) {
    Vantix::PaintManager host;
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    root.SetManager(&host);
    RecordingControl* child = root.AddChild(2, CRect(10, 10, 30, 30));
    RecordingControl* other = root.AddChild(3, CRect(50, 50, 60, 60));
    ControlLife life;
    child->life = &life;
    host.SetFocusControl(child);
    root.OnLButtonDown(0, CPoint(15, 15)); // the press makes it the hot child
    ASSERT_EQ(child, root.HotChild());
    child->Clear();

    RecordingControl stranger(nullptr, 2, CRect());
    root.RemoveControl(&stranger); // not a child: nothing changes
    EXPECT_FALSE(life.destroyed);
    EXPECT_EQ(2u, root.GetControls().size());

    root.RemoveControl(child);
    EXPECT_TRUE(life.destroyed);
    EXPECT_EQ(nullptr, root.HotChild());
    EXPECT_EQ(nullptr, host.GetFocusControl());
    ASSERT_EQ(1u, root.GetControls().size());
    EXPECT_EQ(other, root.GetControls()[0].get());
}

TEST(MControl, DestructorAndRemoveAllDeleteTheWholeSubtree) {
    ControlLife areaLife, childLife, grandchildLife;
    {
        RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
        root.AddChild(2, CRect(), true)->life = &areaLife;
        RecordingControl* child = root.AddChild(3, CRect());
        child->life = &childLife;
        child->AddChild(4, CRect())->life = &grandchildLife;
        root.RemoveAllControl();
        EXPECT_TRUE(areaLife.destroyed);
        EXPECT_TRUE(childLife.destroyed);
        EXPECT_TRUE(grandchildLife.destroyed);
        EXPECT_EQ(nullptr, root.GetControl(3));
        childLife.destroyed = false;
        root.AddChild(3, CRect())->life = &childLife;
    }
    EXPECT_TRUE(childLife.destroyed);
}

TEST(MControl, IsParentVisibleWalksUpToTheDialog) {
    NamedParent dialog(L"MDialog");
    RecordingControl top(&dialog, 1, CRect(0, 0, 100, 100));
    RecordingControl* middle = top.AddChild(2, CRect(0, 0, 50, 50));
    RecordingControl* leaf = middle->AddChild(3, CRect(0, 0, 10, 10));
    EXPECT_EQ(1, top.IsParentVisible());
    EXPECT_EQ(1, leaf->IsParentVisible());
    top.SetVisible(0);
    EXPECT_EQ(0, leaf->IsParentVisible()); // a hidden grandparent hides it
    EXPECT_EQ(1, middle->IsVisible());
    RecordingControl orphan(nullptr, 4, CRect());
    EXPECT_EQ(0, orphan.IsParentVisible());
}

TEST(MControl, NotificationsReachTheParentWithTheControlId) {
    RecordingParent parent;
    RecordingControl control(&parent, 77, CRect());
    control.SendMessageW(2, 5, -1);
    ASSERT_EQ(1u, parent.notifications.size());
    EXPECT_EQ(77u, parent.notifications[0].id);
    EXPECT_EQ(2u, parent.notifications[0].code);
    EXPECT_EQ(5u, parent.notifications[0].wParam);
    EXPECT_EQ(-1, parent.notifications[0].lParam);
    RecordingControl orphan(nullptr, 1, CRect());
    EXPECT_EQ(0, orphan.SendMessageW(2, 0, 0));
}

TEST(MControl, NamedCursorIsShownWhileThePointerIsOverTheControl) {
    RecordingControl control(nullptr, 1, CRect(0, 0, 50, 50));
    const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
    ::SetCursor(arrow);
    control.OnMouseMove(0, CPoint(10, 10));
    EXPECT_EQ(arrow, ::GetCursor()); // no cursor of its own: untouched

    EXPECT_EQ(0, control.SetCursorEx(L"hand"));
    control.OnMouseMove(0, CPoint(10, 10));
    EXPECT_EQ(hand, ::GetCursor());

    EXPECT_EQ(0, control.SetCursorEx(L"Hand")); // names are exact: the hand stays
    EXPECT_EQ(0, control.SetCursorEx(nullptr));
    ::SetCursor(arrow);
    control.OnMouseMove(0, CPoint(60, 10)); // outside: not shown
    EXPECT_EQ(arrow, ::GetCursor());
    control.OnMouseMove(0, CPoint(49, 49));
    EXPECT_EQ(hand, ::GetCursor());
}

TEST(MControl, TooltipTextIsStoredAndEmptyForNull) {
    RecordingControl control(nullptr, 1, CRect());
    control.SetTooltip(L"Fan speed");
    EXPECT_STREQ(L"Fan speed", control.GetTooltip().GetString());
    control.SetTooltip(static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(control.GetTooltip().IsEmpty());
}
