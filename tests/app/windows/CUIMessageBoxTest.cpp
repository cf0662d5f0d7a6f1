// The application's message box: its layout for each button mode, null texts, and the results of its
// buttons when it runs modally.
#include <gtest/gtest.h>

#include <string>

#include "RectPrinting.h"
#include "TestMainWindow.h"
#include "core/PaintBuffer.h"
#include "support/DibCanvas.h"
#include "controls/MControlFont.h"
#include "windows/CUIMessageBox.h"
#include "windows/MainWindowPlacement.h"
#include "windows/ShowUIMessageBox.h"

namespace {

struct ExpectedControl {
    UINT id;
    RECT rect;
    const wchar_t* title;
};

void ExpectControl(CUIMessageBox& box, const ExpectedControl& expected) {
    SCOPED_TRACE(expected.id);
    auto* control = static_cast<Vantix::MControlFont*>(box.GetControl(expected.id));
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(Vantix::CRect(expected.rect), control->GetRect());
    EXPECT_STREQ(expected.title, control->GetTitle().GetString());
}

TEST(CUIMessageBox, LayoutFollowsTheButtonMode) {
    struct Case {
        int mode;
        const wchar_t* first; // caption of button 33, null when absent
        RECT firstRect;
        bool no; // button 34 "NO"
    };
    static const Case kCases[] = {
        {0, L"OK", {60, 160, 320, 190}, false},
        {4, L"YES", {70, 160, 170, 190}, true},
        {1, nullptr, {}, false},
        {16, nullptr, {}, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.mode);
        CUIMessageBox box;
        ASSERT_NE(nullptr, box.Open(L"Some message", L"Some title", c.mode));
        ExpectControl(box, {31, {20, 15, 360, 40}, L"Some title"});
        ExpectControl(box, {32, {20, 70, 360, 130}, L"Some message"});
        if (c.first)
            ExpectControl(box, {33, c.firstRect, c.first});
        else
            EXPECT_EQ(nullptr, box.GetControl(33));
        if (c.no)
            ExpectControl(box, {34, {210, 160, 310, 190}, L"NO"});
        else
            EXPECT_EQ(nullptr, box.GetControl(34));
        box.DestroyWindow();
    }
}

TEST(CUIMessageBox, NullTextsShowEmptyLines) {
    CUIMessageBox box;
    ASSERT_NE(nullptr, box.Open(nullptr, nullptr, 0));
    ExpectControl(box, {31, {20, 15, 360, 40}, L""});
    ExpectControl(box, {32, {20, 70, 360, 130}, L""});
    box.DestroyWindow();
}

TEST(CUIMessageBox, IsATopmostToolWindowCentredInTheWorkArea) {
    CUIMessageBox box;
    HWND window = box.Open(L"text", L"title", 0);
    ASSERT_NE(nullptr, window);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_NE(0, exStyle & WS_EX_TOPMOST);
    EXPECT_NE(0, exStyle & WS_EX_TOOLWINDOW);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(380, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    const RECT work = MainWindowPlacement::CurrentWorkArea();
    EXPECT_NEAR((work.left + work.right) / 2, (rect.left + rect.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (rect.top + rect.bottom) / 2, 1);
    box.DestroyWindow();
}

TEST(CUIMessageBox, PaintsTitleMessageAndButtons) {
    CUIMessageBox box;
    HWND window = box.Open(L"Detected the latest version:v1.0.0.3, update now?", L"Software Updates", 4);
    ASSERT_NE(nullptr, window);
    Vantix::CRect client;
    box.GetClientRect(&client);
    Vantix::PaintBuffer frame = box.GetPaintManager()->RenderFrame(client);
    ASSERT_TRUE(frame);
    DibCanvas canvas(frame.Width(), frame.Height());
    BitBlt(canvas.Dc(), 0, 0, frame.Width(), frame.Height(), frame.Dc(), 0, 0, SRCCOPY);
    canvas.SaveArtifact(L"message_box.png");
    auto white = [](uint32_t pixel) {
        return RedOf(pixel) > 200 && GreenOf(pixel) > 200 && BlueOf(pixel) > 200;
    };
    EXPECT_GT(canvas.Count({20, 15, 360, 40}, white), 40) << "title";
    EXPECT_GT(canvas.Count({20, 70, 360, 130}, white), 100) << "message";
    EXPECT_GT(canvas.Count({70, 160, 170, 190}, white), 20) << "YES";
    EXPECT_GT(canvas.Count({210, 160, 310, 190}, white), 15) << "NO";
    // Beside the texts only the dark back colour shows.
    EXPECT_EQ(0, canvas.Count({5, 140, 60, 155}, white));
    box.DestroyWindow();
}

// What the timer below does to the open box: click at a client point, or close it by other means.
struct Answer {
    POINT click;
    bool close;
};

Answer g_answer;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"MWindow", L"MessageBox");
    if (!box || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, timer);
    if (g_answer.close) {
        PostMessageW(box, WM_CLOSE, 0, 0);
        return;
    }
    const LPARAM point = MAKELPARAM(g_answer.click.x, g_answer.click.y);
    SendMessageW(box, WM_MOUSEMOVE, 0, point);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(box, WM_LBUTTONUP, 0, point);
}

TEST(ShowUIMessageBox, ReturnsWhatTheUserAnswered) {
    struct Case {
        const char* what;
        int mode;
        Answer answer;
        unsigned result;
    };
    static const Case kCases[] = {
        {"YES", 4, {{120, 175}, false}, 1},
        {"NO", 4, {{260, 175}, false}, 2},
        {"OK", 0, {{190, 175}, false}, 1},
        {"closed without buttons", 7, {{0, 0}, true}, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        g_answer = c.answer;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
        EXPECT_EQ(c.result, ShowUIMessageBox(L"Detected the latest version:v1.0.0.3, update now?",
                                             L"Software Updates", c.mode));
        KillTimer(nullptr, timer);
        EXPECT_EQ(nullptr, FindWindowW(L"MWindow", L"MessageBox"));
    }
}

} // namespace
