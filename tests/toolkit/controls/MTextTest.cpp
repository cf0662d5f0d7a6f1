// The text label: alignment of a single line, wrapping and vertical centring of several, a line
// cut at the edge, the text background, and the mark text's checks.
#include <gtest/gtest.h>

#include "ControlPixels.h"
#include "controls/MText.h"
#include "core/CStringException.h"
#include "support/HostWindow.h"

using Vantix::CRect;
using Vantix::MText;

namespace {

const uint32_t kBackground = 0xFF000000;
const CRect kBox(10, 10, 210, 70); // 200 x 60
const wchar_t kLongTitle[] = L"one two three four five six seven eight nine ten eleven twelve thirteen";

struct TextHost : testing::Test {
    MText* Make(const wchar_t* title) {
        window.Host().ClearAreaControls();
        return static_cast<MText*>(
            window.Host().CreateArea(&window.Parent(), L"MText", 5, kBox, title, 1, 1));
    }
    CRect Ink() {
        canvas.Fill(kBackground);
        DrawHost(window.Host(), canvas);
        return InkBounds(canvas, kBox);
    }
    static int CentreX(const CRect& r) { return (r.left + r.right) / 2; }
    static int CentreY(const CRect& r) { return (r.top + r.bottom) / 2; }

    HostWindow window;
    DibCanvas canvas{240, 90, kBackground};
};

} // namespace

TEST_F(TextHost, ASingleLineFollowsBothAlignments) {
    static const struct {
        UINT h, v;
    } cases[] = {{0, 0}, {1, 0}, {2, 0}, {0, 4}, {1, 4}, {2, 4}, {0, 8}, {1, 8}, {2, 8}};
    for (const auto& c : cases) {
        MText* text = Make(L"Hi there");
        text->SetAlignment(c.h, c.v);
        const CRect ink = Ink();
        ASSERT_FALSE(ink.IsRectEmpty()) << c.h << "," << c.v;
        EXPECT_LT(ink.Height(), 20) << "one line";
        switch (c.h) {
        case 0:
            EXPECT_LE(ink.left, kBox.left + 4) << c.h << "," << c.v;
            break;
        case 1:
            EXPECT_NEAR(CentreX(kBox), CentreX(ink), 3) << c.h << "," << c.v;
            break;
        default:
            EXPECT_GE(ink.right, kBox.right - 6) << c.h << "," << c.v;
            break;
        }
        switch (c.v) {
        case 0:
            EXPECT_LE(ink.top, kBox.top + 6) << c.h << "," << c.v;
            break;
        case 4:
            EXPECT_NEAR(CentreY(kBox), CentreY(ink), 4) << c.h << "," << c.v;
            break;
        default:
            EXPECT_GE(ink.bottom, kBox.bottom - 6) << c.h << "," << c.v;
            break;
        }
    }
}

TEST_F(TextHost, ALongSingleLineIsCutAtTheEdgeNotWrapped) {
    Make(kLongTitle);
    const CRect ink = Ink();
    EXPECT_LT(ink.Height(), 20);
    EXPECT_GE(ink.right, kBox.right - 12); // the last whole character that fits
    EXPECT_EQ(0, canvas.Count(CRect(kBox.right, kBox.top, kBox.right + 20, kBox.bottom),
                              [](uint32_t p) { return GreenOf(p) > 0x80; }));
}

TEST_F(TextHost, SeveralLinesWrapAndCentreVerticallyWhenAsked) {
    static const struct {
        UINT v;
        int vCenter;
        const char* where; // "top", "centre" or "bottom"
    } cases[] = {{0, 0, "top"}, {0, 1, "centre"}, {8, 1, "centre"}, {4, 0, "centre"}, {8, 0, "bottom"}};
    for (const auto& c : cases) {
        MText* text = Make(kLongTitle);
        text->SetAlignment(1, c.v);
        text->EnableMultiLine(1);
        text->EnableVCenter(c.vCenter);
        text->SetUpdate(0, 0);
        const CRect ink = Ink();
        EXPECT_GT(ink.Height(), 25) << "wrapped, v " << c.v << " centring " << c.vCenter;
        EXPECT_LT(ink.Height(), kBox.Height()) << c.where;
        const std::string where(c.where);
        if (where == "top") {
            EXPECT_LE(ink.top, kBox.top + 6) << c.v << " " << c.vCenter;
        } else if (where == "bottom") {
            EXPECT_GE(ink.bottom, kBox.bottom - 6) << c.v << " " << c.vCenter;
        } else {
            EXPECT_NEAR(CentreY(kBox), CentreY(ink), 4) << c.v << " " << c.vCenter;
        }
    }
}

TEST_F(TextHost, TheTextBackgroundKeepsTheColourOfTheCallThatTurnedItOn) {
    MText* text = Make(L"x");
    text->EnableTextBack(1, Gdiplus::Color(0xFF0000FF));
    text->EnableTextBack(1, Gdiplus::Color(0xFFFF0000));
    Ink();
    EXPECT_TRUE(SameColour(0xFF0000FF, canvas.Pixel(kBox.right - 2, kBox.bottom - 2), 1))
        << std::hex << canvas.Pixel(kBox.right - 2, kBox.bottom - 2);
    EXPECT_EQ(kBackground, canvas.Pixel(kBox.right + 2, kBox.bottom - 2));

    text->EnableTextBack(0, Gdiplus::Color(0xFFFF0000));
    Ink();
    EXPECT_EQ(kBackground, canvas.Pixel(kBox.right - 2, kBox.bottom - 2));
}

TEST_F(TextHost, MarkTextsNeedATextAndAskForARepaintOnlyWhenTheyChange) {
    MText* text = Make(L"Title");
    EXPECT_THROW(text->SetMarkText(nullptr), Vantix::CStringException);
    EXPECT_THROW(text->SetMarkText(nullptr, L"mark", Gdiplus::Color(0xFF00FF00), 0),
                 Vantix::CStringException);
    try {
        text->SetTitleMarkText(nullptr, L"mark", 0);
    } catch (const Vantix::CStringException& error) {
        EXPECT_EQ(E_FAIL, error.GetErrorCode());
    }
    const size_t before = window.Parent().Updates().size();
    text->SetTitleMarkText(L"New title", L"mark", 1);
    EXPECT_EQ(L"New title", std::wstring(text->GetTitle().GetString()));
    EXPECT_EQ(before + 1, window.Parent().Updates().size());
    text->SetTitleMarkText(L"New title", L"mark", 1);
    text->SetMarkText(L"mark");
    EXPECT_EQ(before + 1, window.Parent().Updates().size());
    text->SetMarkText(L"other");
    EXPECT_EQ(before + 2, window.Parent().Updates().size());
    EXPECT_EQ(1, window.Parent().Updates().back().redraw);
}

TEST_F(TextHost, OverATransparentBackgroundTheTextCarriesItsOwnAlpha) {
    // As in a layered window before its surface is shown: glyphs drawn without alpha would vanish.
    Make(L"Visible");
    canvas.Fill(0);
    DrawHost(window.Host(), canvas);
    const int covered = canvas.Count(kBox, [](uint32_t p) { return AlphaOf(p) > 0x80; });
    const int unpremultiplied = canvas.Count(kBox, [](uint32_t p) { return RedOf(p) > AlphaOf(p); });
    EXPECT_GT(covered, 20);
    EXPECT_EQ(0, unpremultiplied);
}
