// The host's per-window services other than timers: the single tooltip, the balloon tip, the shadow's
// range checks, the caret drawn into the frame, fonts, and the shared image records.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <string>

#include "PaintTestControls.h"
#include "controls/MControlFont.h"
#include "core/LiveObjectCount.h"
#include "core/Manager.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/ThreadWindow.h"

using Vantix::CRect;

namespace {

struct TooltipSearch {
    HWND owner;
    HWND found;
};

// A named callback: a lambda does not convert to the stdcall WNDENUMPROC of 32-bit Windows.
BOOL CALLBACK MatchTooltip(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<TooltipSearch*>(data);
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW && ::GetWindow(hwnd, GW_OWNER) == search->owner) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTooltip(HWND owner) {
    TooltipSearch search = {owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TooltipText(HWND tooltip, HWND owner) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = 1313;
    tool.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// A text control that pretends to hold the keyboard, as a rich edit does while it is edited.
class CaretOwner : public Vantix::MControlFont {
public:
    CaretOwner(Vantix::MObject* parent) : MControlFont(parent, 9, CRect(20, 10, 200, 40), L"", 1, 1, 1) {
        m_focused = 1;
    }

protected:
    void DrawControl(HDC&, CRect) override {}
};

bool IsRed(uint32_t pixel) {
    return RedOf(pixel) > 200 && GreenOf(pixel) < 40 && BlueOf(pixel) < 40;
}

} // namespace

TEST(PaintManagerTooltip, EmptyTextBeforeAnyTooltipCreatesNothing) {
    HostWindow window;
    window.Host().SetTooltip(L"", CRect());
    window.Host().SetTooltip(nullptr, CRect());
    window.Host().ClearTooltip();
    EXPECT_EQ(nullptr, FindTooltip(window.Handle()));
}

TEST(PaintManagerTooltip, OneTooltipWindowShowsTheTextAndHidesAgain) {
    // Topmost and away from the windows of other tests, since the tooltip checks what lies under the pointer.
    const CRect place(1300, 600, 1700, 900);
    HostWindow window(place, WS_EX_TOPMOST);
    Vantix::PaintManager& host = window.Host();
    host.SetTooltip(L"Close the window", CRect());
    HWND tooltip = FindTooltip(window.Handle());
    ASSERT_NE(nullptr, tooltip);
    EXPECT_EQ(window.Handle(), host.GetToolTipWnd()) << "the host window, not the tooltip";
    EXPECT_EQ(1, ::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(L"Close the window", TooltipText(tooltip, window.Handle()));
    host.SetTooltip(L"Minimise", CRect());
    EXPECT_EQ(tooltip, FindTooltip(window.Handle())) << "the same window is reused";
    EXPECT_EQ(L"Minimise", TooltipText(tooltip, window.Handle()));

    // The pointer comes to rest over the window: the host relays its last move to the tooltip, which
    // shows after its initial delay (every further move would start that delay again).
    ::SetCursorPos(place.left + 100, place.top + 100);
    MSG move = {window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 100)};
    host.PreTranslateMessage(&move);
    bool shown = false;
    for (int wait = 0; wait < 100 && !shown; ++wait) {
        PumpMessages(20);
        shown = ::IsWindowVisible(tooltip) != FALSE;
    }
    EXPECT_TRUE(shown) << "the tooltip appears";
    host.SetTooltipCtrlID(4);
    host.ClearTooltip();
    PumpMessages(50);
    EXPECT_FALSE(::IsWindowVisible(tooltip)) << "and hides";
    EXPECT_EQ(L"", TooltipText(tooltip, window.Handle()));
    EXPECT_EQ(0, host.GetTooltipCtrlID());
    ::SetCursorPos(0, 0);
}

TEST(PaintManagerBalloon, OnlyItsOwnerOrAnyoneWithOwnerZeroHidesTheBalloon) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    EXPECT_EQ(0, host.ShowAirBladder(1, 3)) << "no balloon yet";
    EXPECT_EQ(0, host.SetAirBladderMsg(nullptr, POINT{300, 300}, Vantix::AIRBLADDER_TYPE_STAY,
                                       Vantix::AIRBLADDER_MODE_BELOW))
        << "a null text is refused, not thrown";
    EXPECT_EQ(1, host.SetAirBladderMsg(L"Firmware 1.2 is available", POINT{300, 300},
                                       Vantix::AIRBLADDER_TYPE_STAY, Vantix::AIRBLADDER_MODE_BELOW));
    HWND balloon = FindThreadWindow(L"AirBladder Window");
    ASSERT_NE(nullptr, balloon);
    EXPECT_EQ(window.Handle(), ::GetWindow(balloon, GW_OWNER));
    host.ShowAirBladder(SW_SHOWNOACTIVATE, 3);
    EXPECT_TRUE(::IsWindowVisible(balloon)) << "appears";
    EXPECT_EQ(0, host.ShowAirBladder(SW_HIDE, 7)) << "another owner";
    EXPECT_TRUE(::IsWindowVisible(balloon));
    host.ShowAirBladder(SW_HIDE, 0);
    EXPECT_FALSE(::IsWindowVisible(balloon)) << "hides";
}

TEST(PaintManagerShadow, SettersCheckTheirRanges) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    struct Case {
        const char* call;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"SetSize(36)", host.SetSize(36), 0},
        {"SetSize(-36)", host.SetSize(-36), 0},
        {"SetSize(-35)", host.SetSize(-35), 1},
        {"SetSharpness(36)", host.SetSharpness(36), 0},
        {"SetSharpness(35)", host.SetSharpness(35), 1},
        {"SetDarkness(256)", host.SetDarkness(256), 0},
        {"SetDarkness(255)", host.SetDarkness(255), 1},
        {"SetPosition(0, 36)", host.SetPosition(0, 36), 0},
        {"SetPosition(-36, 0)", host.SetPosition(-36, 0), 0},
        {"SetPosition(-35, 35)", host.SetPosition(-35, 35), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.result) << c.call;
}

TEST(PaintManagerCaret, TheCaretBlinksInItsOwnersColourWhileBothHaveTheFocus) {
    HostWindow window(CRect(100, 100, 300, 200));
    Vantix::PaintManager& host = window.Host();
    auto* owner = new CaretOwner(&window.Parent());
    host.AttachControl(1, owner);
    owner->SetTextColor(Gdiplus::Color(255, 255, 0, 0));
    ::SetForegroundWindow(window.Handle());
    ::SetFocus(window.Handle());
    ASSERT_EQ(window.Handle(), ::GetFocus());
    ASSERT_EQ(1, host.CreateCaret(nullptr, 2, 14));
    ASSERT_EQ(1, host.SetCaretPos(owner, 30, 20));
    EXPECT_EQ(owner, host.GetCurrentCaretObject());
    host.ShowCaret(TRUE);
    const CRect client(0, 0, 200, 100);
    const RECT caret = {30, 20, 32, 34};
    EXPECT_EQ(2 * 14, CountPixels(host.RenderFrame(client), caret, IsRed));
    window.Send(WM_TIMER, 6553, 0); // the blink's dark phase
    EXPECT_EQ(0, CountPixels(host.RenderFrame(client), caret, IsRed));
    window.Send(WM_TIMER, 6553, 0);
    EXPECT_EQ(2 * 14, CountPixels(host.RenderFrame(client), caret, IsRed));

    // Without the window's focus the caret is not drawn.
    ::SetFocus(nullptr);
    EXPECT_EQ(0, CountPixels(host.RenderFrame(client), caret, IsRed));
    ::DestroyCaret();
}

TEST(PaintManagerFonts, TheEmbeddedFontIsAddedToGdiAndRemovedAgain) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    const long before = Vantix::GdiLiveObjects();
    host.AddGDITempFont(106);
    EXPECT_EQ(before + 1, Vantix::GdiLiveObjects());
    host.AddGDITempFont(999); // no such resource
    EXPECT_EQ(before + 1, Vantix::GdiLiveObjects());
    host.ClearTempFont();
    EXPECT_EQ(before - 1, Vantix::GdiLiveObjects()) << "with the one added when the host was initialised";
}

TEST(PaintManagerFonts, FamiliesResolveTheGlobalFontWhateverTheyAreAskedFor) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    Gdiplus::FontFamily* global = host.FindTempFont(L"Arial");
    ASSERT_NE(nullptr, global);
    EXPECT_EQ(global, host.FindTempFont(L"Courier New")) << "the same cached family";

    Gdiplus::FontFamily* embedded = host.AddTempFont(L"Open Sans Semibold", 106);
    ASSERT_NE(nullptr, embedded);
    wchar_t name[LF_FACESIZE] = {};
    ASSERT_EQ(Gdiplus::Ok, embedded->GetFamilyName(name));
    EXPECT_EQ(std::wstring(L"Open Sans Semibold"), name);
    EXPECT_EQ(nullptr, host.AddTempFont(L"Missing", L"no_such_font.ttf"));

    const Vantix::CString saved = Vantix::Manager::GetFontName();
    Vantix::Manager::SetFontName(L"Open Sans Semibold");
    EXPECT_EQ(embedded, host.FindTempFont(L"Arial")) << "the private family under the global name";
    Vantix::Manager::SetFontName(saved);
    Vantix::Manager::SetFontName(L"No Such Family");
    EXPECT_EQ(nullptr, host.FindTempFont(L"Arial"));
    Vantix::Manager::SetFontName(saved);
}

namespace {

const wchar_t* const kStrip = ProcessSkinName(L"test_records_strip.png"); // 88 x 20
const wchar_t* const kLate = ProcessSkinName(L"test_records_late.png");

class PaintManagerImages : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(WriteSkinImage(kStrip, 88, 20,
                                   [](Gdiplus::Graphics& g) { g.Clear(Gdiplus::Color(255, 1, 2, 3)); }));
    }
    static void TearDownTestSuite() {
        DeleteSkinImage(kStrip);
        DeleteSkinImage(kLate);
    }

    HostWindow window;
};

} // namespace

TEST_F(PaintManagerImages, AFileRecordIsCutIntoFramesAndShared) {
    Vantix::PaintManager& host = window.Host();
    Vantix::ImgResInfo* record = host.AddImgResInfo(kStrip, 4);
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(22, record->frameWidth);
    EXPECT_EQ(20, record->height);
    EXPECT_EQ(4, record->frameCount);
    EXPECT_EQ(Vantix::CString(kStrip), record->fileName);
    Vantix::ImgResInfo* again = host.AddImgResInfo(kStrip, 2);
    EXPECT_EQ(record, again);
    EXPECT_EQ(22, again->frameWidth) << "the first frame count stays";
}

TEST_F(PaintManagerImages, RecordsAreLoadedOnceAndReleasedOnce) {
    Vantix::PaintManager& host = window.Host();
    const long before = Vantix::GdiplusLiveObjects();
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(nullptr, host.AddImgResInfo(kStrip, 4));
    ASSERT_NE(nullptr, host.AddImgResInfo(101, L"PNG", 1, 0));
    EXPECT_EQ(before + 2, Vantix::GdiplusLiveObjects());
    host.ClearImgResInfo();
    EXPECT_EQ(before, Vantix::GdiplusLiveObjects());
    host.ClearImgResInfo();
    EXPECT_EQ(before, Vantix::GdiplusLiveObjects());
}

TEST_F(PaintManagerImages, AMissingImageIsNotRecordedAndIsTriedAgain) {
    Vantix::PaintManager& host = window.Host();
    EXPECT_EQ(nullptr, host.AddImgResInfo(kLate, 1));
    ASSERT_TRUE(
        WriteSkinImage(kLate, 10, 10, [](Gdiplus::Graphics& g) { g.Clear(Gdiplus::Color(255, 9, 9, 9)); }));
    Vantix::ImgResInfo* record = host.AddImgResInfo(kLate, 0);
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(1, record->frameCount) << "a frame count below 1 counts as 1";
    EXPECT_EQ(10, record->frameWidth);
}

TEST_F(PaintManagerImages, ResourceRecordsComeFromTheLibraryOrTheApplication) {
    Vantix::PaintManager& host = window.Host();
    Vantix::ImgResInfo* scroll = host.AddImgResInfo(101, L"PNG", 1, 0);
    ASSERT_NE(nullptr, scroll);
    EXPECT_EQ(22, scroll->frameWidth);
    EXPECT_EQ(20, scroll->height);
    EXPECT_EQ(101u, scroll->resourceId);
    EXPECT_EQ(nullptr, host.AddImgResInfo(101, L"PNG", 1, 1)) << "the test program has no such resource";
    EXPECT_EQ(scroll, host.AddImgResInfo(101, L"PNG", 3, 0));
}
