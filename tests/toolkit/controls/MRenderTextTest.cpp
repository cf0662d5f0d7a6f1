#include <gtest/gtest.h>

#include <algorithm>

#include "controls/MRender.h"
#include "core/GdiObject.h"
#include "support/DibCanvas.h"

using Vantix::CPoint;
using Vantix::CRect;
using Vantix::CSize;
using Vantix::GdiObject;
using Vantix::MRender;

namespace {

class TextBounds : public ::testing::Test {
protected:
    TextBounds() : font(L"Arial", 14, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel) {}
    void SetUp() override { ASSERT_EQ(Gdiplus::Ok, font.GetLastStatus()); }
    Gdiplus::Font font;
};

} // namespace

TEST_F(TextBounds, WidthGrowsWithTheTextAndHeightIsOneLine) {
    CSize shortText = MRender::GetTextBounds(font, L"Hello");
    CSize longText = MRender::GetTextBounds(font, L"Hello, wide world");
    EXPECT_GT(shortText.cx, 20);
    EXPECT_GT(longText.cx, shortText.cx + 40);
    EXPECT_EQ(shortText.cy, longText.cy);
    EXPECT_EQ(shortText.cy, MRender::GetTextBounds(font, L"Ag").cy);
    const float fontHeight = font.GetHeight(0.0f);
    EXPECT_GE(shortText.cy, static_cast<int>(fontHeight) + 1);
    EXPECT_LE(shortText.cy, static_cast<int>(fontHeight) + 4);
    EXPECT_EQ(0, MRender::GetTextBounds(font, L"").cx);
}

TEST_F(TextBounds, InkFitsTheMeasuredWidth) {
    CSize size = MRender::GetTextBounds(font, L"Measure me");
    DibCanvas canvas(200, 40, 0);
    auto bitmap = canvas.WrapAsBitmap();
    Gdiplus::Graphics graphics(bitmap.get());
    Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    Gdiplus::StringFormat format;
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    graphics.DrawString(L"Measure me", -1, &font, Gdiplus::PointF(0, 0), &format, &white);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    int left = 200, right = -1;
    for (int x = 0; x < 200; ++x) {
        if (canvas.Count(RECT{x, 0, x + 1, 40}, [](uint32_t p) { return AlphaOf(p) > 64; }) > 0) {
            left = std::min(left, x);
            right = x;
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_NEAR(right - left + 1, size.cx, 2);
}

TEST_F(TextBounds, LayoutWidthWrapsIntoSeveralLines) {
    Gdiplus::StringFormat format;
    CSize wide = MRender::GetTextBounds(font, format, 400, L"one two three four five");
    CSize narrow = MRender::GetTextBounds(font, format, 60, L"one two three four five");
    // Wine adds only some of the wrapped lines to a path, so only "more than one line" is certain.
    EXPECT_GT(narrow.cy, wide.cy + 5);
    EXPECT_LE(narrow.cx, 61);
    EXPECT_GT(wide.cx, 100);
}

TEST(MRenderOrigin, OffsetsInsideABox) {
    struct Case {
        int w, h, cw, ch;
        UINT ha, va;
        CPoint expected;
    };
    static const Case cases[] = {
        {100, 50, 20, 10, 1, 8, CPoint(40, 40)}, {100, 50, 20, 10, 0, 0, CPoint(0, 0)},
        {100, 50, 20, 10, 2, 4, CPoint(80, 20)}, {100, 50, 21, 11, 1, 4, CPoint(39, 19)},
        {10, 10, 21, 13, 1, 4, CPoint(-5, -1)},  {100, 50, 20, 10, 3, 5, CPoint(0, 0)},
    };
    for (const Case& c : cases) {
        CPoint point = MRender::GetOriginPoint(c.w, c.h, c.cw, c.ch, c.ha, c.va);
        EXPECT_EQ(c.expected, point) << c.cw << " x " << c.ch << " align " << c.ha << "/" << c.va << " gave "
                                     << point.x << ", " << point.y;
    }
}

TEST(MRenderOrigin, RectangleFormIsAbsoluteAndTwoPixelsLower) {
    EXPECT_EQ(CPoint(50, 52), MRender::GetOriginPoint(CRect(10, 10, 110, 60), 20, 10, 1, 8));
    EXPECT_EQ(CPoint(10, 12), MRender::GetOriginPoint(CRect(10, 10, 110, 60), 20, 10, 0, 0));
}

TEST(MRenderDrawText, DrawsInTheColourAndRestoresTheDC) {
    DibCanvas canvas(120, 30, 0xFF000000);
    HDC dc = canvas.Dc();
    GdiObject<HFONT> font(CreateFontW(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    SetTextColor(dc, RGB(1, 2, 3));
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    CRect rect(0, 0, 120, 30);
    EXPECT_GT(MRender::DrawTextW(dc, rect, L"Text", RGB(255, 0, 0), font.Get(), DT_SINGLELINE | DT_VCENTER),
              0);
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    EXPECT_EQ(before, GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    int red = canvas.Count(RECT{0, 0, 120, 30}, [](uint32_t p) { return RedOf(p) > 128 && GreenOf(p) < 64; });
    EXPECT_GT(red, 20);
}

TEST(MRenderDrawText, NullTextDrawsNothing) {
    DibCanvas canvas(40, 20, 0xFF000000);
    HDC dc = canvas.Dc();
    SetBkMode(dc, OPAQUE);
    CRect rect(0, 0, 40, 20);
    EXPECT_EQ(0, MRender::DrawTextW(dc, rect, nullptr, RGB(255, 255, 255), nullptr, 0));
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    EXPECT_EQ(0, canvas.Count(RECT{0, 0, 40, 20}, [](uint32_t p) { return p != 0xFF000000; }));
}
