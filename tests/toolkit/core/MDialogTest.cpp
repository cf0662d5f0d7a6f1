// The dialog's window: its borderless style, the layout calls, the order in which its handlers, its
// controls and its host see a message, the messages that stop at the dialog, timers, the balloon
// anchor and the default message box.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestDialog.h"
#include "support/DibCanvas.h"
#include "support/RecordingControl.h"
#include "support/ThreadWindow.h"
#include "support/WindowCapture.h"

using Vantix::CPoint;
using Vantix::CRect;

namespace {

// A control that writes every window message the host offers it into a shared log.
class MessageSpy : public RecordingControl {
public:
    MessageSpy(Vantix::MObject* parent, std::vector<std::string>& log)
        : RecordingControl(parent, 9, CRect(10, 10, 110, 60)), m_log(log) {}
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == WM_LBUTTONDOWN)
            m_log.push_back("control WM_LBUTTONDOWN");
        return RecordingControl::OnWindowMessage(msg, wParam, lParam);
    }
    bool Saw(UINT msg) const { return std::find(messages.begin(), messages.end(), msg) != messages.end(); }

    std::vector<UINT> messages;

protected:
    int OnControlLButtonDown(UINT flags, CPoint point) override {
        m_log.push_back("control press");
        return RecordingControl::OnControlLButtonDown(flags, point);
    }

private:
    std::vector<std::string>& m_log;
};

struct SpiedDialog : testing::Test {
    void SetUp() override {
        dialog.sharedLog = &log;
        dialog.EnableWndDrag(FALSE);
        dialog.buildControls = [this](TestDialog& self, CRect) {
            spy = static_cast<MessageSpy*>(
                self.GetPaintManager()->AttachControl(1, new MessageSpy(&self, log)));
        };
        ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 500, 400)));
        ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    std::vector<std::string> log;
    TestDialog dialog;
    MessageSpy* spy = nullptr;
};

} // namespace

TEST(MDialog, CreationMakesTheWindowBorderlessAndClipping) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 300, 200), WS_POPUP | WS_CAPTION | WS_THICKFRAME));
    const DWORD style = dialog.GetStyle();
    EXPECT_EQ(0u, style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | 0x8), style & ~WS_VISIBLE);
    EXPECT_STREQ(L"MDialog", dialog.GetClassNameW());
    EXPECT_EQ(1, dialog.IsClass(L"MDialog"));
    dialog.DestroyWindow();
}

TEST(MDialog, InitUIGetsTheClientAreaAndUISizeEveryUsableNewSize) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 300, 200)));
    ASSERT_EQ(1, dialog.Count("InitUI"));
    const auto init = std::find(dialog.log.begin(), dialog.log.end(), "InitUI") - dialog.log.begin();
    EXPECT_EQ(CRect(0, 0, 200, 100), dialog.layouts[init]);

    static const struct {
        int width, height;
        bool laidOut;
    } sizes[] = {{300, 150, true}, {1, 150, false}, {300, 1, false}, {2, 2, true}};
    for (const auto& size : sizes) {
        const int before = dialog.Count("UISize");
        dialog.SetWindowPos(nullptr, 0, 0, size.width, size.height,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(before + (size.laidOut ? 1 : 0), dialog.Count("UISize"))
            << size.width << "x" << size.height;
        if (size.laidOut) {
            EXPECT_EQ(CRect(0, 0, size.width, size.height), dialog.layouts.back());
        }
    }
    EXPECT_EQ(0u, dialog.GetExStyle() & WS_EX_LAYERED); // nothing asks for translucency
    dialog.DestroyWindow();
}

TEST_F(SpiedDialog, TheDialogSeesAMessageBeforeItsControlsAndTheHost) {
    log.clear();
    dialog.Mouse(WM_MOUSEMOVE, 20, 20);
    dialog.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    const std::vector<std::string> fromPress(std::find(log.begin(), log.end(), "dialog LButtonDown"),
                                             log.end());
    EXPECT_EQ((std::vector<std::string>{"dialog LButtonDown", "control WM_LBUTTONDOWN", "control press"}),
              fromPress);
    dialog.Mouse(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(1, spy->Count("LButtonUp"));
}

TEST_F(SpiedDialog, ErasingAndCloseRequestsStopAtTheDialog) {
    HDC dc = ::GetDC(dialog.GetSafeHwnd());
    EXPECT_EQ(1, dialog.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    ::ReleaseDC(dialog.GetSafeHwnd(), dc);
    EXPECT_FALSE(spy->Saw(WM_ERASEBKGND));

    EXPECT_EQ(1, dialog.Send(Vantix::WM_TOOLKIT_CLOSE, 6, 0));
    EXPECT_FALSE(spy->Saw(Vantix::WM_TOOLKIT_CLOSE));
    MSG close;
    ASSERT_TRUE(::PeekMessageW(&close, dialog.GetSafeHwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_EQ(6u, close.wParam);

    dialog.Send(WM_NCHITTEST, 0, MAKELPARAM(120, 120)); // any other message goes on to the controls
    EXPECT_TRUE(spy->Saw(WM_NCHITTEST));
}

TEST_F(SpiedDialog, AControlTimerReachesTheDialogAndTheControl) {
    Vantix::PaintManager* host = dialog.GetPaintManager();
    ASSERT_EQ(1, host->SetTimer(spy, 5, 100000));
    const UINT systemId = 17; // the host's first control timer
    dialog.Send(WM_TIMER, systemId, 0);
    EXPECT_EQ(std::vector<UINT>{systemId}, dialog.timers);
    EXPECT_EQ(1, spy->ticks);
    host->KillTimer(spy, 5);
}

TEST(MDialog, TheBalloonAnchorLiesOnTheControlsBottomEdgeInScreenCoordinates) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 300, 200)));
    RecordingControl control(&dialog, 1, CRect(10, 20, 50, 40));
    static const struct {
        UINT type;
        LONG x;
    } cases[] = {{0, 10}, {1, 30}, {2, 50}, {7, 10}};
    for (const auto& c : cases) {
        const POINT point = dialog.GetAirBladderPoint(&control, c.type);
        EXPECT_EQ(100 + c.x, point.x) << "type " << c.type;
        EXPECT_EQ(140, point.y) << "type " << c.type;
    }
    const POINT none = dialog.GetAirBladderPoint(nullptr, 1);
    EXPECT_EQ(0, none.x);
    EXPECT_EQ(0, none.y);
    dialog.DestroyWindow();
}

TEST(MDialog, BalloonNeedsBothCoordinatesAndAText) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 300, 200)));
    static const struct {
        const wchar_t* text;
        LONG x, y;
    } refused[] = {{L"tip", 0, 150}, {L"tip", 150, 0}, {nullptr, 150, 150}};
    for (const auto& r : refused)
        EXPECT_EQ(0, dialog.SetAirBladderMsg(r.text, POINT{r.x, r.y}, Vantix::AIRBLADDER_TYPE_STAY));
    EXPECT_EQ(nullptr, FindThreadWindow(L"AirBladder Window"));
    EXPECT_EQ(1, dialog.SetAirBladderMsg(L"tip", POINT{150, 150}, Vantix::AIRBLADDER_TYPE_STAY));
    HWND balloon = FindThreadWindow(L"AirBladder Window");
    ASSERT_NE(nullptr, balloon);
    EXPECT_TRUE(::IsWindowVisible(balloon));
    dialog.DestroyWindow();
}

TEST(MDialog, AMessageWithoutARectangleIsShownNearTheBottomCentre) {
    TestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(100, 100, 500, 400)));
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    dialog.SetMessage(L"Saved", CRect(), Vantix::MSG_INFO);
    DibCanvas canvas(400, 300);
    ASSERT_TRUE(CaptureClient(dialog.GetSafeHwnd(), canvas));
    const uint32_t background = canvas.Pixel(50, 50);
    static const struct {
        int x, y;
        bool inside;
    } probes[] = {{100, 240, true},  {299, 297, true},  {150, 270, true}, {99, 240, false},
                  {100, 239, false}, {300, 297, false}, {299, 298, false}};
    for (const auto& p : probes) {
        const uint32_t pixel = canvas.Pixel(p.x, p.y) & 0xFFFFFF;
        if (p.inside) {
            EXPECT_GE(RedOf(pixel), 0xE0) << p.x << "," << p.y;
        } else {
            EXPECT_EQ(background & 0xFFFFFF, pixel) << p.x << "," << p.y;
        }
    }
    dialog.DestroyWindow();
}
