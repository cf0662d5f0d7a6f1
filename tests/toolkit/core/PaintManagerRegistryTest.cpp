// The control host's registry and window-side duties in a real window: id search, removal and
// ownership, focus changes, repaint requests with the controls painted above, track-size limits and
// the reflection of child-window messages.
#include <gtest/gtest.h>

#include "support/HostWindow.h"
#include "core/LiveObjectCount.h"

using Vantix::CPoint;
using Vantix::CRect;

namespace {

CRect PendingUpdate(HWND hwnd) {
    CRect update;
    ::GetUpdateRect(hwnd, &update, FALSE);
    return update;
}

// A child window that answers every reflected message with a known value and records it.
struct ReflectTarget {
    static UINT lastMessage;
    static WPARAM lastWParam;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg >= 0x2000 && msg < 0x3000) {
            lastMessage = msg;
            lastWParam = wParam;
            return 4321;
        }
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
};
UINT ReflectTarget::lastMessage = 0;
WPARAM ReflectTarget::lastWParam = 0;

} // namespace

TEST(PaintManagerRegistry, GetControlSearchesControlsThenAreasDepthFirst) {
    HostWindow window;
    RecordingControl* area = window.Add(0, 7, CRect());
    RecordingControl* control = window.Add(1, 3, CRect());
    RecordingControl* nested = control->AddChild(7, CRect());
    RecordingControl* areaChild = area->AddChild(9, CRect());
    Vantix::PaintManager& host = window.Host();
    EXPECT_EQ(nested, host.GetControl(7));
    EXPECT_EQ(control, host.GetControl(3));
    EXPECT_EQ(areaChild, host.GetControl(9));
    EXPECT_EQ(nullptr, host.GetControl(99));
    EXPECT_EQ(&host, nested->GetManager()); // children added after attaching share the host
}

TEST(PaintManagerRegistry, RemoveControlDeletesControlsButLeavesAreas) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* area = window.Add(0, 1, CRect(0, 0, 400, 300));
    RecordingControl* control = window.Add(1, 2, CRect(10, 10, 50, 50));
    RecordingControl* second = window.Add(1, 2, CRect(60, 10, 90, 50)); // the same control id
    ControlLife areaLife, life;
    area->life = &areaLife;
    control->life = &life;

    EXPECT_EQ(0, host.RemoveControl(area));
    EXPECT_FALSE(areaLife.destroyed);
    EXPECT_EQ(area, host.GetControl(1));

    window.Mouse(WM_MOUSEMOVE, 20, 20);
    host.SetFocusControl(control);
    ASSERT_EQ(control, host.GetHoverControl());
    EXPECT_EQ(1, host.RemoveControl(control));
    EXPECT_TRUE(life.destroyed);
    EXPECT_EQ(nullptr, host.GetHoverControl()); // nothing points at the deleted control
    EXPECT_EQ(nullptr, host.GetFocusControl());
    ASSERT_EQ(1u, host.GetControls()->size());
    EXPECT_EQ(second, host.GetControl(2));
    window.Mouse(WM_MOUSEMOVE, 25, 25); // and the next move is safe
    EXPECT_EQ(nullptr, host.GetHoverControl());
}

TEST(PaintManagerRegistry, ClearingDeletesEveryControlOfTheList) {
    HostWindow window;
    ControlLife areaLife, controlLife, childLife;
    window.Add(0, 1, CRect())->life = &areaLife;
    RecordingControl* control = window.Add(1, 2, CRect());
    control->life = &controlLife;
    control->AddChild(3, CRect())->life = &childLife;
    window.Host().ClearAreaControls();
    EXPECT_TRUE(areaLife.destroyed);
    EXPECT_FALSE(controlLife.destroyed);
    window.Host().ClearAllControls();
    EXPECT_TRUE(controlLife.destroyed);
    EXPECT_TRUE(childLife.destroyed);
    EXPECT_TRUE(window.Host().GetControls()->empty());
}

TEST(PaintManagerRegistry, DestroyingTheWindowDeletesTheControls) {
    const long before = Vantix::GdiLiveObjects();
    HostWindow window;
    ControlLife areaLife, controlLife;
    window.Add(0, 1, CRect())->life = &areaLife;
    window.Add(1, 2, CRect())->life = &controlLife;
    window.Destroy();
    EXPECT_TRUE(areaLife.destroyed);
    EXPECT_TRUE(controlLife.destroyed);
    EXPECT_EQ(nullptr, window.Host().GetControl(2));
    EXPECT_EQ(before, Vantix::GdiLiveObjects()); // the paint DC and the host's font are given back
}

TEST(PaintManagerRegistry, SetFocusControlTellsTheOldAndTheNewOnlyOnChange) {
    HostWindow window;
    RecordingControl* first = window.Add(1, 1, CRect());
    RecordingControl* second = window.Add(1, 2, CRect());
    Vantix::PaintManager& host = window.Host();
    host.SetFocusControl(first);
    host.SetFocusControl(first);
    EXPECT_EQ(1, first->Count("Focus"));
    host.SetFocusControl(second);
    EXPECT_EQ(0u, first->Last("Focus")->flags);
    EXPECT_EQ(1u, second->Last("Focus")->flags);
    host.SetFocusControl(nullptr);
    EXPECT_EQ(0u, second->Last("Focus")->flags);
    EXPECT_EQ(nullptr, host.GetFocusControl());
}

TEST(PaintManagerRegistry, UpdateRepaintsTheControlWithEverythingPaintedAboveIt) {
    HostWindow window;
    RecordingControl* background = window.Add(0, 1, CRect(0, 0, 400, 300));
    RecordingControl* changed = window.Add(1, 2, CRect(10, 10, 60, 60));
    RecordingControl* above = window.Add(1, 3, CRect(40, 40, 100, 100));
    RecordingControl* apart = window.Add(1, 4, CRect(200, 200, 250, 250));
    RecordingControl* hidden = window.Add(1, 5, CRect(20, 20, 30, 30), 0);
    RecordingControl* below = window.Add(0, 6, CRect(0, 0, 50, 50)); // an area: painted before
    Vantix::PaintManager& host = window.Host();

    ::ValidateRect(window.Handle(), nullptr);
    changed->UpdateControl(1, 0);
    EXPECT_EQ(CRect(10, 10, 100, 100), PendingUpdate(window.Handle()));
    EXPECT_EQ(0u, changed->Last("Update")->flags);
    EXPECT_EQ(0u, above->Last("Update")->flags);
    EXPECT_EQ(0, apart->Count("Update"));
    EXPECT_EQ(0, hidden->Count("Update"));
    EXPECT_EQ(0, background->Count("Update"));
    EXPECT_EQ(0, below->Count("Update"));

    // A new copy only: the cache of the control itself stays valid.
    changed->Clear();
    ::ValidateRect(window.Handle(), nullptr);
    changed->UpdateControl(0, 0);
    EXPECT_EQ(0, changed->Count("Update"));
    EXPECT_EQ(CRect(10, 10, 100, 100), PendingUpdate(window.Handle()));

    // Everything visible is above the background.
    ::ValidateRect(window.Handle(), nullptr);
    EXPECT_EQ(0, host.OnControlUpdate(CRect(0, 0, 400, 300), 0, background));
    EXPECT_EQ(1, below->Count("Update"));
    EXPECT_EQ(1, apart->Count("Update"));
    EXPECT_EQ(0, hidden->Count("Update"));
    EXPECT_EQ(0, background->Count("Update"));

    ::ValidateRect(window.Handle(), nullptr);
    EXPECT_EQ(0, host.OnControlUpdate(CRect(0, 0, 10, 10), 1, nullptr));
    EXPECT_TRUE(PendingUpdate(window.Handle()).IsRectEmpty());
}

TEST(PaintManagerRegistry, MinMaxInfoTakesOnlyTheLimitsAboveZero) {
    static const struct {
        int minW, minH, maxW, maxH;
        POINT minTrack, maxTrack, maxSize;
    } cases[] = {
        {300, 0, 0, 0, {300, 12}, {13, 14}, {15, 16}},
        {0, 0, 0, 0, {11, 12}, {13, 14}, {15, 16}},
        {100, 80, 640, 480, {100, 80}, {640, 480}, {640, 480}},
        {-5, 0, 0, 900, {11, 12}, {13, 900}, {15, 900}},
    };
    HostWindow window;
    for (const auto& c : cases) {
        window.Host().SetWindowMixSize(c.minW, c.minH);
        window.Host().SetWindowMaxSize(c.maxW, c.maxH);
        MINMAXINFO info = {};
        info.ptMinTrackSize = {11, 12};
        info.ptMaxTrackSize = {13, 14};
        info.ptMaxSize = {15, 16};
        EXPECT_EQ(1, window.Host().OnWindowMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)));
        SCOPED_TRACE(testing::Message()
                     << "min " << c.minW << "x" << c.minH << " max " << c.maxW << "x" << c.maxH);
        EXPECT_EQ(c.minTrack.x, info.ptMinTrackSize.x);
        EXPECT_EQ(c.minTrack.y, info.ptMinTrackSize.y);
        EXPECT_EQ(c.maxTrack.x, info.ptMaxTrackSize.x);
        EXPECT_EQ(c.maxTrack.y, info.ptMaxTrackSize.y);
        EXPECT_EQ(c.maxSize.x, info.ptMaxSize.x);
        EXPECT_EQ(c.maxSize.y, info.ptMaxSize.y);
        int width = 0, height = 0;
        window.Host().GetWindowMinSize(width, height);
        EXPECT_EQ(c.minW, width);
        window.Host().GetWindowManSize(width, height);
        EXPECT_EQ(c.maxH, height);
    }
}

TEST(PaintManagerRegistry, ChildWindowMessagesAreReflectedToTheChild) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &ReflectTarget::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantixReflectTarget";
    ::RegisterClassW(&wc);
    HostWindow window;
    HWND child = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD, 0, 0, 10, 10, window.Handle(), nullptr,
                                   wc.hInstance, nullptr);
    ASSERT_NE(nullptr, child);
    static const UINT messages[] = {WM_COMMAND, WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC};
    for (UINT msg : messages) {
        ReflectTarget::lastMessage = 0;
        EXPECT_EQ(4321, window.Send(msg, 77, reinterpret_cast<LPARAM>(child)));
        EXPECT_EQ(msg + 0x2000, ReflectTarget::lastMessage);
        EXPECT_EQ(77u, ReflectTarget::lastWParam);
        EXPECT_EQ(0, window.Host().OnWindowMessage(msg, 77, 0)); // no child named: nothing
    }
}

TEST(PaintManagerRegistry, WindowOperationsNeedAWindow) {
    Vantix::PaintManager host;
    EXPECT_EQ(0, host.SendMessageW(WM_USER, 0, 0));
    EXPECT_EQ(0, host.PostMessageW(WM_USER, 0, 0));
    int width = 5, height = 6;
    host.GetClientSize(width, height);
    EXPECT_EQ(5, width);
    host.Init(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)), nullptr); // not a window
    EXPECT_EQ(nullptr, host.GetPaintWnd());
    EXPECT_EQ(nullptr, host.GetPaintDC());

    HostWindow window(CRect(100, 100, 420, 340));
    window.Host().GetClientSize(width, height);
    EXPECT_EQ(320, width);
    EXPECT_EQ(240, height);
    EXPECT_NE(nullptr, window.Host().GetPaintDC());
    // PostMessageW sends: the result comes back at once.
    EXPECT_EQ(1, window.Host().PostMessageW(WM_GETMINMAXINFO, 0, 0));
}
