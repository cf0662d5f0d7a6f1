// The main window's corner, the DPI rule of start-up and the single-instance mutex.
#include <gtest/gtest.h>

#include <string>

#include "windows/MainWindowPlacement.h"
#include "windows/SingleInstance.h"
#include "windows/ThermivoApplication.h"

namespace {

TEST(MainWindowPlacement, SitsThreePixelsInsideTheWorkAreasBottomRightCorner) {
    struct Case {
        RECT workArea;
        RECT window;
    };
    static const Case kCases[] = {
        {{0, 0, 1920, 1040}, {1577, 787, 1917, 1037}}, // taskbar at the bottom
        {{0, 0, 1920, 1080}, {1577, 827, 1917, 1077}}, // no taskbar
        {{60, 0, 1366, 768}, {1023, 515, 1363, 765}},  // taskbar on the left
        {{0, 40, 1280, 1024}, {937, 771, 1277, 1021}}, // taskbar at the top
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.workArea.right << "x" << c.workArea.bottom);
        const Vantix::CRect rect = MainWindowPlacement::ForWorkArea(c.workArea);
        EXPECT_EQ(c.window.left, rect.left);
        EXPECT_EQ(c.window.top, rect.top);
        EXPECT_EQ(c.window.right, rect.right);
        EXPECT_EQ(c.window.bottom, rect.bottom);
    }
}

TEST(ThermivoApplication, SmallScreensMakeTheProcessDpiAware) {
    struct Case {
        int width, height;
        bool aware;
    };
    static const Case kCases[] = {
        {1366, 768, true}, {1920, 1080, false}, {1400, 800, false},
        {1399, 800, true}, {1400, 799, true},   {2560, 1440, false},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(c.aware, ThermivoApplication::ShouldBeDpiAware(c.width, c.height))
            << c.width << "x" << c.height;
}

TEST(SingleInstance, OnlyTheFirstHolderOfTheNameRuns) {
    const std::wstring name = L"Thermivo single instance test " + std::to_wstring(GetCurrentProcessId());
    {
        SingleInstance first(name.c_str());
        EXPECT_TRUE(first.IsFirst());
        SingleInstance second(name.c_str());
        EXPECT_FALSE(second.IsFirst());
        // The second one let go of its handle: the first still holds the mutex.
        SingleInstance third(name.c_str());
        EXPECT_FALSE(third.IsFirst());
    }
    SingleInstance afterwards(name.c_str());
    EXPECT_TRUE(afterwards.IsFirst());
}

} // namespace
