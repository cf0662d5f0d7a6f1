#include <gtest/gtest.h>

#include <vector>

#include "core/GdiObject.h"
#include "core/Manager.h"
#include "support/HostWindow.h"
#include "support/SkinImageFile.h"
#include "support/TestImages.h"
#include "windows/MShadow.h"

using Vantix::CRect;
using Vantix::MShadow;

namespace {

CRect WindowRect(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

// Lets the messages a window change posted or queued reach their windows.
void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A shown host window with a standalone shadow of size 8 and the default offsets (5, 5).
class Shadow : public ::testing::Test {
protected:
    Shadow() : owner(CRect(200, 150, 400, 270)) {}
    void SetUp() override {
        MShadow::Initialize(Vantix::Manager::m_hInstance, false);
        shadow.ShowShadow(true);
        ASSERT_TRUE(shadow.SetSize(8));
        shadow.Create(&owner.Host());
        ASSERT_NE(nullptr, shadow.GetShadowWnd());
    }
    HWND ShadowWnd() const { return shadow.GetShadowWnd(); }
    // Where the shadow of the owner's current rectangle belongs.
    CRect Expected() const {
        CRect owned = WindowRect(owner.Handle());
        return CRect(owned.left + 5 - 8, owned.top + 5 - 8, owned.right + 5 + 8, owned.bottom + 5 + 8);
    }

    HostWindow owner;
    MShadow shadow;
};

// Alpha of the computed picture at (x, y), top row first.
int AlphaAt(const std::vector<UINT32>& bits, int width, int height, int x, int y) {
    return static_cast<int>(bits[static_cast<size_t>(height - 1 - y) * width + x] >> 24);
}

std::vector<UINT32> Picture(MShadow& shadow, HWND parent, int width, int height) {
    RECT rect;
    GetWindowRect(parent, &rect);
    std::vector<UINT32> bits(static_cast<size_t>(width) * height, 0);
    shadow.MakeShadow(bits.data(), parent, &rect);
    return bits;
}

} // namespace

TEST(MShadowSettings, RangesAreChecked) {
    MShadow shadow;
    EXPECT_FALSE(shadow.SetSize(36));
    EXPECT_FALSE(shadow.SetSize(-36));
    EXPECT_TRUE(shadow.SetSize(-35));
    EXPECT_FALSE(shadow.SetSharpness(36));
    EXPECT_TRUE(shadow.SetSharpness(35));
    EXPECT_FALSE(shadow.SetDarkness(256));
    EXPECT_TRUE(shadow.SetDarkness(255));
    EXPECT_FALSE(shadow.SetPosition(0, 36));
    EXPECT_FALSE(shadow.SetPosition(-36, 0));
    EXPECT_TRUE(shadow.SetPosition(35, -35));
    EXPECT_TRUE(shadow.SetColor(RGB(1, 2, 3)));
    EXPECT_FALSE(shadow.SetShadowCorner(RECT{0, -1, 0, 0}));
    EXPECT_FALSE(shadow.SetImage(static_cast<const wchar_t*>(nullptr)));
}

TEST(MShadowSettings, PremultipliedPixelsKeepTheChannelPositions) {
    EXPECT_EQ(0xFF0000FFu, MShadow::PreMultiply(RGB(255, 0, 0), 255));
    EXPECT_EQ(0x80000080u, MShadow::PreMultiply(RGB(255, 0, 0), 128));
    EXPECT_EQ(0x80800000u, MShadow::PreMultiply(RGB(0, 0, 255), 128));
    EXPECT_EQ(0x40000000u, MShadow::PreMultiply(RGB(0, 0, 0), 64));
    EXPECT_EQ(0u, MShadow::PreMultiply(RGB(255, 255, 255), 0));
}

TEST(MShadowSettings, NothingIsCreatedUnlessShown) {
    HostWindow owner;
    MShadow::Initialize(Vantix::Manager::m_hInstance, false);
    MShadow shadow;
    WNDPROC before = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC));
    shadow.Create(&owner.Host());
    EXPECT_EQ(nullptr, shadow.GetShadowWnd());
    EXPECT_EQ(before, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC)));
}

TEST_F(Shadow, IsAClickThroughLayeredPopupOwnedByItsParent) {
    LONG_PTR exStyle = GetWindowLongPtrW(ShadowWnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
    EXPECT_EQ(owner.Handle(), GetWindow(ShadowWnd(), GW_OWNER));
    wchar_t name[32] = {};
    GetClassNameW(ShadowWnd(), name, 32);
    EXPECT_STREQ(L"ShadowWnd", name);
    EXPECT_TRUE(IsWindowVisible(ShadowWnd()));
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));
}

TEST_F(Shadow, FollowsItsParentWhenItMoves) {
    SetWindowPos(owner.Handle(), nullptr, 320, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));
    EXPECT_EQ(320 + 5 - 8, WindowRect(ShadowWnd()).left);
}

TEST_F(Shadow, ShrinkingRepaintsAtOnceAndGrowingAtTheNextPaint) {
    SetWindowPos(owner.Handle(), nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));

    const CRect before = WindowRect(ShadowWnd());
    SetWindowPos(owner.Handle(), nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(before.Size(), WindowRect(ShadowWnd()).Size());
    InvalidateRect(owner.Handle(), nullptr, FALSE);
    UpdateWindow(owner.Handle());
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));
}

TEST_F(Shadow, MinimisingHidesAndRestoringShows) {
    ShowWindow(owner.Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(IsWindowVisible(ShadowWnd()));
    ShowWindow(owner.Handle(), SW_RESTORE);
    Pump();
    EXPECT_TRUE(IsWindowVisible(ShadowWnd()));
    UpdateWindow(owner.Handle());
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));
}

TEST_F(Shadow, HidingTheParentHidesTheShadow) {
    ShowWindow(owner.Handle(), SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(ShadowWnd()));
    ShowWindow(owner.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(ShadowWnd()));
}

TEST_F(Shadow, DisablingHidesAndEnablingShowsAgain) {
    shadow.DisableShadow(true);
    EXPECT_TRUE(shadow.IsDisableShadow());
    EXPECT_FALSE(IsWindowVisible(ShadowWnd()));
    // Moves while disabled are not followed.
    SetWindowPos(owner.Handle(), nullptr, 250, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    shadow.DisableShadow(false);
    EXPECT_TRUE(IsWindowVisible(ShadowWnd()));
    EXPECT_EQ(Expected(), WindowRect(ShadowWnd()));
}

TEST_F(Shadow, SettingsRefreshAVisibleShadow) {
    ASSERT_TRUE(shadow.SetSize(12));
    CRect owned = WindowRect(owner.Handle());
    EXPECT_EQ(owned.Width() + 24, WindowRect(ShadowWnd()).Width());
    ASSERT_TRUE(shadow.SetPosition(-3, 10));
    EXPECT_EQ(owned.left - 3 - 12, WindowRect(ShadowWnd()).left);
    EXPECT_EQ(owned.top + 10 - 12, WindowRect(ShadowWnd()).top);
}

TEST_F(Shadow, GoesWithItsParent) {
    HWND shadowWindow = ShadowWnd();
    owner.Destroy();
    EXPECT_FALSE(IsWindow(shadowWindow));
    EXPECT_EQ(nullptr, shadow.GetShadowWnd());
}

TEST_F(Shadow, ParentsEndIsFollowedWhileDisabled) {
    HWND shadowWindow = ShadowWnd();
    shadow.DisableShadow(true);
    owner.Destroy();
    EXPECT_FALSE(IsWindow(shadowWindow));
    EXPECT_EQ(nullptr, shadow.GetShadowWnd());
}

TEST_F(Shadow, ImageThatDidNotLoadLeavesTheShadowEmpty) {
    ASSERT_TRUE(shadow.SetSize(20));
    ASSERT_TRUE(shadow.SetImage(L"no_such_shadow_image.png"));
    ASSERT_TRUE(shadow.SetShadowCorner(RECT{1, 1, 1, 1}));
    CRect owned = WindowRect(owner.Handle());
    EXPECT_EQ(CRect(owned.left - 1, owned.top - 1, owned.right + 1, owned.bottom + 1),
              WindowRect(ShadowWnd()));
}

TEST(MShadowLifetime, ShadowDestroyedFirstGivesTheParentItsProcedureBack) {
    HostWindow owner;
    MShadow::Initialize(Vantix::Manager::m_hInstance, false);
    WNDPROC before = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC));
    HWND shadowWindow = nullptr;
    {
        MShadow shadow;
        shadow.ShowShadow(true);
        shadow.Create(&owner.Host());
        shadowWindow = shadow.GetShadowWnd();
        ASSERT_NE(nullptr, shadowWindow);
        shadow.Create(&owner.Host()); // a second call neither subclasses again nor makes a second window
        EXPECT_EQ(shadowWindow, shadow.GetShadowWnd());
        EXPECT_NE(before, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC)));
    }
    EXPECT_EQ(before, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC)));
    EXPECT_FALSE(IsWindow(shadowWindow));
    SetWindowPos(owner.Handle(), nullptr, 10, 10, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(MShadowPicture, DefaultSizeDrawsNothingUntilASizeIsSet) {
    HostWindow owner(CRect(100, 100, 200, 160));
    MShadow::Initialize(Vantix::Manager::m_hInstance, false);
    MShadow shadow;
    shadow.ShowShadow(true);
    shadow.Create(&owner.Host());
    ASSERT_TRUE(IsWindowVisible(shadow.GetShadowWnd()));
    EXPECT_TRUE(WindowRect(shadow.GetShadowWnd()).IsRectEmpty());
    ASSERT_TRUE(shadow.SetSize(4));
    EXPECT_EQ(CRect(101, 101, 209, 169), WindowRect(shadow.GetShadowWnd()));
}

TEST(MShadowPicture, DarkCoreBlurredEdgeAndAHoleUnderTheParent) {
    HostWindow owner(CRect(100, 100, 200, 160)); // 100 x 60, no window region
    MShadow shadow;
    shadow.SetSize(10);
    shadow.SetSharpness(5);
    shadow.SetDarkness(150);
    shadow.SetColor(RGB(0, 0, 0));
    const int w = 120, h = 80;
    std::vector<UINT32> bits = Picture(shadow, owner.Handle(), w, h);
    // Offset (5, 5): the parent covers shadow pixels (5..104, 5..64), which stay clear.
    EXPECT_EQ(0, AlphaAt(bits, w, h, 60, 40));
    EXPECT_EQ(0, AlphaAt(bits, w, h, 8, 40));
    // The bands right of and below the parent are the core.
    EXPECT_EQ(150, AlphaAt(bits, w, h, 107, 40));
    EXPECT_EQ(150, AlphaAt(bits, w, h, 112, 40));
    EXPECT_EQ(150, AlphaAt(bits, w, h, 60, 67));
    // The edge fades outward and the far corners stay clear.
    EXPECT_GT(AlphaAt(bits, w, h, 60, 76), AlphaAt(bits, w, h, 60, 79));
    EXPECT_GT(AlphaAt(bits, w, h, 60, 79), 0);
    EXPECT_LT(AlphaAt(bits, w, h, 60, 79), 150);
    EXPECT_EQ(0, AlphaAt(bits, w, h, 0, 0));
    EXPECT_EQ(0, AlphaAt(bits, w, h, w - 1, h - 1));
}

TEST(MShadowPicture, RoundedRegionGivesRoundedShadowCorners) {
    HostWindow square(CRect(100, 100, 200, 160));
    HostWindow rounded(CRect(300, 100, 400, 160));
    Vantix::GdiObject<HRGN> region(CreateRoundRectRgn(0, 0, 101, 61, 40, 40));
    ASSERT_TRUE(SetWindowRgn(rounded.Handle(), region.Get(), TRUE));
    region.Detach();
    MShadow shadow;
    shadow.SetSize(10);
    const int w = 120, h = 80;
    std::vector<UINT32> squareBits = Picture(shadow, square.Handle(), w, h);
    std::vector<UINT32> roundBits = Picture(shadow, rounded.Handle(), w, h);
    // Near the bottom-right corner of the outline the rounded shape leaves the shadow lighter.
    EXPECT_LT(AlphaAt(roundBits, w, h, w - 12, h - 12), AlphaAt(squareBits, w, h, w - 12, h - 12));
    // Along the straight edges both agree.
    EXPECT_EQ(AlphaAt(squareBits, w, h, 60, h - 5), AlphaAt(roundBits, w, h, 60, h - 5));
}

TEST(MShadowPicture, ImageShadowExtendsByItsCorners) {
    SkinImageFile image(L"test_shadow_image.png", *MakeSolidImage(30, 30, 0x80000000));
    HostWindow owner(CRect(200, 200, 300, 260));
    MShadow::Initialize(Vantix::Manager::m_hInstance, false);
    MShadow shadow;
    shadow.ShowShadow(true);
    shadow.Create(&owner.Host());
    ASSERT_TRUE(shadow.SetImage(image.Name()));
    ASSERT_TRUE(shadow.SetShadowCorner(RECT{4, 6, 8, 10}));
    EXPECT_EQ(CRect(196, 194, 308, 270), WindowRect(shadow.GetShadowWnd()));
}
