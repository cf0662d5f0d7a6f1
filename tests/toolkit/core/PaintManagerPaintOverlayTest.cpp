// The overlays read back from composed frames: the info overlay's temperature digits and pointer
// frame, and the message panel with its hold, fade and progress steps.
#include <gtest/gtest.h>

#include <windows.h>
#include <cstdint>

#include "PaintTestControls.h"
#include "core/Manager.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"

using Vantix::CRect;
using Vantix::PaintBuffer;

namespace {

// The main window's size; the digits are laid out in (115, 100) - (235, 160).
const CRect kScreenRect(100, 100, 440, 350);
const RECT kDigitBox = {115, 100, 235, 160};

bool IsBright(uint32_t pixel) {
    return RedOf(pixel) > 160 && GreenOf(pixel) > 160 && BlueOf(pixel) > 160;
}

bool IsDark(uint32_t pixel) {
    return RedOf(pixel) < 120 && GreenOf(pixel) < 120 && BlueOf(pixel) < 120;
}

bool IsYellow(uint32_t pixel) {
    return RedOf(pixel) > 240 && GreenOf(pixel) > 210 && BlueOf(pixel) < 20;
}

int DifferentPixels(const PaintBuffer& first, const PaintBuffer& second) {
    int count = 0;
    for (int y = 0; y < first.Height(); ++y)
        for (int x = 0; x < first.Width(); ++x)
            count += first.Pixel(x, y) != second.Pixel(x, y);
    return count;
}

class PaintManagerOverlay : public testing::Test {
protected:
    PaintManagerOverlay() : window(kScreenRect) {}
    ~PaintManagerOverlay() override { Vantix::Manager::SetCPUTemp(0.0f); }

    PaintBuffer Render() {
        CRect client;
        ::GetClientRect(window.Handle(), &client);
        return window.Host().RenderFrame(client);
    }
    PaintBuffer RenderTemperature(float temperature) {
        Vantix::Manager::SetCPUTemp(temperature);
        return Render();
    }
    void Tick(UINT timer, int times = 1) {
        for (int i = 0; i < times; ++i)
            window.Send(WM_TIMER, timer, 0);
    }

    HostWindow window;
};

} // namespace

TEST_F(PaintManagerOverlay, InfoOverlayDrawsTheStoredTemperatureOnlyWhenEnabled) {
    PaintBuffer off = RenderTemperature(45.0f);
    EXPECT_EQ(0, CountPixels(off, kDigitBox, IsBright));
    window.Host().EnableDrawInfo(TRUE);
    PaintBuffer at45 = RenderTemperature(45.0f);
    PaintBuffer at99 = RenderTemperature(99.0f);
    const int ink45 = CountPixels(at45, kDigitBox, IsBright);
    EXPECT_GT(ink45, 100) << "50-pixel digits";
    EXPECT_GT(CountPixels(at99, kDigitBox, IsBright), 100);
    EXPECT_GT(DifferentPixels(at45, at99), 100) << "45 and 99 look different";
    RECT outside = {0, 0, at45.Width(), 95};
    EXPECT_EQ(0, CountPixels(at45, outside, IsBright)) << "nothing above the digit box";
    SaveFrameArtifact(at45, L"PaintManagerOverlay_info45.png");
}

TEST_F(PaintManagerOverlay, TemperatureIsTruncatedTowardZero) {
    struct Case {
        float shown, same;
    };
    static const Case cases[] = {{45.9f, 45.0f}, {-0.5f, 0.0f}, {99.99f, 99.0f}};
    window.Host().EnableDrawInfo(TRUE);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown);
        PaintBuffer shown = RenderTemperature(c.shown);
        PaintBuffer same = RenderTemperature(c.same);
        EXPECT_EQ(0, DifferentPixels(shown, same));
    }
}

TEST_F(PaintManagerOverlay, PointerOverTheInfoCornerOutlinesIt) {
    window.Host().EnableDrawInfo(TRUE);
    struct Case {
        POINT client;
        bool outlined;
    };
    static const Case cases[] = {
        {{275, 10}, true}, {{284, 20}, true}, {{293, 27}, false}, {{100, 200}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pointer at " << c.client.x << ", " << c.client.y);
        ::SetCursorPos(kScreenRect.left + c.client.x, kScreenRect.top + c.client.y);
        PaintBuffer frame = Render();
        EXPECT_EQ(c.outlined, CountPixels(frame, RECT{283, 9, 286, 12}, IsBright) > 0);
    }
    ::SetCursorPos(0, 0);
}

TEST_F(PaintManagerOverlay, MessagePanelHoldsThenFadesOut) {
    const CRect rect(20, 20, 220, 80);
    window.Host().SetMessage(L"Settings saved", rect, Vantix::MSG_INFO);
    PaintBuffer shown = Render();
    EXPECT_TRUE(IsBright(shown.Pixel(20, 20))) << "frame";
    EXPECT_EQ(0xFFFEFEFEu, shown.Pixel(100, 22)) << "panel";
    EXPECT_GT(CountPixels(shown, RECT{25, 25, 215, 75}, IsDark), 20) << "text";
    SaveFrameArtifact(shown, L"PaintManagerOverlay_message.png");

    Tick(66); // the hold ends
    Tick(88, 12);
    PaintBuffer half = Render();
    const int green = GreenOf(half.Pixel(100, 22));
    EXPECT_GT(green, 100);
    EXPECT_LT(green, 200) << "alpha 135 over the dark background";

    Tick(88, 12); // alpha below 20: gone
    PaintBuffer gone = Render();
    EXPECT_FALSE(IsBright(gone.Pixel(100, 22)));
    EXPECT_EQ(0, CountPixels(gone, RECT{20, 20, 220, 80}, IsBright));
}

TEST_F(PaintManagerOverlay, ProgressAnimatesToItsTargetAndStaysBelowHundred) {
    window.Host().SetProgress(50, L"Downloading", CRect());
    // The default strip spans the window's width above its bottom: the bar row is 16 pixels up.
    const int barY = 250 - 2 - 16 + 1;
    for (int wait = 0; wait < 100 && !IsYellow(Render().Pixel(169, barY)); ++wait)
        PumpMessages(20);
    PaintBuffer frame = Render();
    EXPECT_TRUE(IsYellow(frame.Pixel(10, barY)));
    EXPECT_TRUE(IsYellow(frame.Pixel(169, barY))) << "50% of 320 pixels";
    EXPECT_FALSE(IsYellow(frame.Pixel(172, barY)));
    PumpMessages(400);
    PaintBuffer later = Render();
    EXPECT_TRUE(IsYellow(later.Pixel(169, barY))) << "a progress below 100 does not fade";
    EXPECT_FALSE(IsYellow(later.Pixel(172, barY)));
}

TEST_F(PaintManagerOverlay, CompletedProgressFadesAway) {
    window.Host().SetProgress(100, L"Done", CRect());
    const int barY = 250 - 2 - 16 + 1;
    bool full = false;
    for (int wait = 0; wait < 100 && !full; ++wait) {
        PumpMessages(20);
        full = IsYellow(Render().Pixel(320, barY));
    }
    EXPECT_TRUE(full);
    for (int wait = 0; wait < 200 && IsYellow(Render().Pixel(100, barY)); ++wait)
        PumpMessages(20);
    EXPECT_FALSE(IsYellow(Render().Pixel(100, barY)));
}

TEST_F(PaintManagerOverlay, RepeatedProgressChangesNothingNotEvenTheText) {
    window.Host().SetProgress(3, L"Starting", CRect(20, 20, 220, 80));
    PaintBuffer first = Render();
    window.Host().SetProgress(3, L"Something else entirely", CRect(20, 20, 220, 80));
    PaintBuffer second = Render();
    EXPECT_GT(CountPixels(first, RECT{25, 25, 215, 75}, IsDark), 20);
    EXPECT_EQ(0, DifferentPixels(first, second));
}
