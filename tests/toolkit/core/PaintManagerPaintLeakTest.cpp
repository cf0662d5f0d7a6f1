// Leak checks through the holders' live counts (Wine's GetGuiResources always answers 0): many real
// repaints of one composed layered window, and many windows with controls and shared resources
// created and destroyed.
#include <gtest/gtest.h>

#include <windows.h>

#include "PaintTestControls.h"
#include "core/LiveObjectCount.h"
#include "core/Manager.h"
#include "support/HostWindow.h"

using Vantix::CRect;

namespace {

struct LiveCounts {
    long gdi = Vantix::GdiLiveObjects();
    long gdiplus = Vantix::GdiplusLiveObjects();
};

void ExpectCountsBack(const LiveCounts& before) {
    const LiveCounts after;
    EXPECT_EQ(before.gdi, after.gdi) << "GDI objects left behind";
    EXPECT_EQ(before.gdiplus, after.gdiplus) << "GDI+ objects left behind";
}

// A layered window as the application's: background image, a picture, the info and message overlays.
void Compose(HostWindow& window, ResourceControl*& picture, GdiBoxControl*& box) {
    Vantix::PaintManager& host = window.Host();
    host.SetLayeredWindow(TRUE);
    host.LoadBKImage(L"img_cpu_bkg5.png");
    host.EnableDrawInfo(TRUE);
    host.SetMessage(L"Leak check", CRect(20, 20, 220, 80), Vantix::MSG_INFO);
    picture = new ResourceControl(&window.Parent(), 31, CRect(300, 8, 330, 38), L"img_btn_close.png");
    host.AttachControl(1, picture);
    box = new GdiBoxControl(&window.Parent(), 32, CRect(10, 200, 60, 240), RGB(40, 90, 200));
    host.AttachControl(1, box);
}

} // namespace

TEST(PaintManagerLeaks, ThousandRepaintsLeaveTheLiveCountsWhereTheyWere) {
    Vantix::Manager::SetCPUTemp(45.0f);
    HostWindow window(CRect(100, 100, 440, 350));
    ResourceControl* picture = nullptr;
    GdiBoxControl* box = nullptr;
    Compose(window, picture, box);
    window.Host().Invalidate();
    ::UpdateWindow(window.Handle()); // the first paint creates the cached surfaces and the font
    const LiveCounts before;
    box->draws = 0;
    for (int i = 0; i < 1000; ++i) {
        Vantix::Manager::SetCPUTemp(static_cast<float>(i % 100));
        window.Host().Invalidate();
        ::UpdateWindow(window.Handle());
    }
    EXPECT_EQ(1000, box->draws.load()) << "every round painted";
    ExpectCountsBack(before);
    Vantix::Manager::SetCPUTemp(0.0f);
}

TEST(PaintManagerLeaks, HundredWindowsWithControlsLeaveTheLiveCountsWhereTheyWere) {
    const LiveCounts before;
    for (int i = 0; i < 100; ++i) {
        HostWindow window(CRect(100, 100, 440, 350));
        ResourceControl* picture = nullptr;
        GdiBoxControl* box = nullptr;
        Compose(window, picture, box);
        Vantix::PaintManager& host = window.Host();
        ASSERT_NE(nullptr, host.AddImgResInfo(L"img_button.png", 4));
        host.AddTempFont(L"Open Sans Semibold", 106);
        host.SetTooltip(L"Close", CRect());
        ASSERT_EQ(1, host.SetTimer(picture, 1, 1000));
        host.Invalidate();
        ::UpdateWindow(window.Handle());
        ASSERT_EQ(1, box->draws.load());
        window.Destroy();
    }
    ExpectCountsBack(before);
}
