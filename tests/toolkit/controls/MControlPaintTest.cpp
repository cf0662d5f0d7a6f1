// The control base's painting: the order of the draw walk, the cached memory surface and its
// validity, and the invalidation of the control's rectangle in a real host window.
#include <gtest/gtest.h>

#include <vector>

#include "support/HostWindow.h"
#include "support/RecordingControl.h"
#include "core/LiveObjectCount.h"

using Vantix::CRect;

namespace {

SIZE BitmapSize(HDC dc) {
    BITMAP info = {};
    ::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

} // namespace

TEST(MControlPaint, DrawPaintsAreasThenItselfThenChildrenInsideTheClip) {
    std::vector<UINT> order;
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    root.drawLog = &order;
    const struct {
        UINT id;
        CRect rect;
        bool area;
        int visible;
    } children[] = {
        {2, CRect(0, 0, 50, 50), true, 1},    // area beneath
        {3, CRect(200, 0, 250, 50), true, 1}, // area that does not overlap the control: skipped
        {4, CRect(10, 10, 20, 20), false, 1}, //
        {5, CRect(30, 30, 40, 40), false, 0}, // hidden: skipped
        {6, CRect(60, 60, 90, 90), false, 1}, //
        {7, CRect(95, 95, 99, 99), false, 1}, // outside the clip: skipped
    };
    for (const auto& c : children) {
        RecordingControl* child = root.AddChild(c.id, c.rect, c.area);
        child->drawLog = &order;
        child->SetVisible(c.visible);
    }
    HDC dc = nullptr;
    root.Draw(dc, CRect(0, 0, 92, 92));
    EXPECT_EQ((std::vector<UINT>{2, 1, 4, 6}), order);

    order.clear();
    root.Draw(dc, CRect(300, 300, 400, 400)); // the clip misses the control: nothing at all
    root.SetVisible(0);
    root.Draw(dc, CRect(0, 0, 100, 100));
    EXPECT_TRUE(order.empty());
}

TEST(MControlPaint, MemorySurfaceIsKeptForTheSameSizeAndRemadeForAnother) {
    RecordingControl control(nullptr, 1, CRect(0, 0, 40, 30));
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(0, control.GetUpdate());
    control.UpdateMemDC(screen, 40, 30);
    EXPECT_EQ(1, control.GetUpdate());
    const HDC first = control.SurfaceDC();
    ASSERT_NE(nullptr, first);
    const HGDIOBJ firstBitmap = ::GetCurrentObject(first, OBJ_BITMAP);
    EXPECT_EQ(40, BitmapSize(first).cx);
    EXPECT_EQ(30, BitmapSize(first).cy);

    control.SetUpdate(0, RGB(5, 5, 5));
    control.UpdateMemDC(screen, 40, 30);
    EXPECT_EQ(1, control.GetUpdate());
    EXPECT_EQ(first, control.SurfaceDC());
    EXPECT_EQ(firstBitmap, ::GetCurrentObject(control.SurfaceDC(), OBJ_BITMAP));

    control.UpdateMemDC(screen, 80, 30);
    EXPECT_EQ(80, BitmapSize(control.SurfaceDC()).cx);

    control.UpdateAnimateDC(screen, 20, 10);
    const HGDIOBJ animation = ::GetCurrentObject(control.AnimationDC(), OBJ_BITMAP);
    control.UpdateAnimateDC(screen, 20, 10); // always remade
    EXPECT_EQ(20, BitmapSize(control.AnimationDC()).cx);
    EXPECT_NE(nullptr, animation);
    ::ReleaseDC(nullptr, screen);
}

TEST(MControlPaint, SurfacesAreReleasedWithTheControl) {
    const long before = Vantix::GdiLiveObjects();
    HDC screen = ::GetDC(nullptr);
    {
        RecordingControl control(nullptr, 1, CRect(0, 0, 40, 30));
        control.UpdateMemDC(screen, 40, 30);
        control.UpdateMemDC(screen, 80, 30);
        control.UpdateAnimateDC(screen, 20, 10);
        control.UpdateAnimateDC(screen, 20, 10);
        EXPECT_EQ(before + 4, Vantix::GdiLiveObjects()); // one bitmap and one DC per surface
    }
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(before, Vantix::GdiLiveObjects());
}

TEST(MControlPaint, SetUpdateReachesOnlyChildrenOverlappingTheControl) {
    RecordingControl root(nullptr, 1, CRect(0, 0, 100, 100));
    RecordingControl* inside = root.AddChild(2, CRect(10, 10, 20, 20));
    RecordingControl* outside = root.AddChild(3, CRect(150, 10, 160, 20));
    RecordingControl* grandchild = inside->AddChild(4, CRect(12, 12, 14, 14));
    RecordingControl* area = root.AddChild(5, CRect(0, 0, 100, 100), true);
    root.SetUpdate(1, 0);
    root.SetUpdate(0, RGB(5, 5, 5));
    EXPECT_EQ(0u, inside->Last("Update")->flags);
    EXPECT_EQ(0u, grandchild->Last("Update")->flags);
    EXPECT_EQ(0, outside->Count("Update"));
    EXPECT_EQ(0, area->Count("Update"));
}

TEST(MControlPaint, InvalidateRectMarksTheControlOrTheWholeLayeredWindow) {
    static const struct {
        BOOL layered;
        CRect expected;
    } cases[] = {{FALSE, CRect(30, 40, 70, 60)}, {TRUE, CRect(0, 0, 400, 300)}};
    for (const auto& c : cases) {
        HostWindow window;
        RecordingControl* control = window.Add(1, 1, CRect(30, 40, 70, 60));
        window.Host().SetLayeredWindow(c.layered);
        ::ValidateRect(window.Handle(), nullptr);
        control->Invalidate(FALSE);
        CRect update;
        ::GetUpdateRect(window.Handle(), &update, FALSE);
        EXPECT_EQ(c.expected, update) << "layered " << c.layered;
    }
}
