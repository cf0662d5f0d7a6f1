#include <gtest/gtest.h>

#include "support/TestImages.h"
#include "controls/MControlFont.h"
#include "core/GdiplusObject.h"
#include "core/LiveObjectCount.h"
#include "core/Manager.h"
#include "support/HostWindow.h"
#include "support/SkinImageFile.h"

using Vantix::CRect;
using Vantix::MControlFont;

namespace {

class FontControl : public MControlFont {
public:
    FontControl(Vantix::MObject* parent, const wchar_t* title, int visible = 1)
        : MControlFont(parent, 7, CRect(10, 10, 110, 40), title, visible, 1, 1) {}
    Gdiplus::Color BrushColor() const {
        Gdiplus::Color color;
        m_textBrush->GetColor(&color);
        return color;
    }
    Gdiplus::Image* Image() const { return m_image; }
    int Count() const { return m_imageCount; }
    Gdiplus::TextRenderingHint Hint() const { return m_renderingHint; }

protected:
    void DrawControl(HDC&, CRect) override {}
};

LOGFONTW Describe(HFONT font) {
    LOGFONTW description = {};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

} // namespace

TEST(MControlFont, NewControlHasTheDocumentedDefaults) {
    RecordingParent parent;
    FontControl control(&parent, L"Title");
    EXPECT_EQ(Vantix::CString(L"Title"), control.GetTitle());
    EXPECT_EQ(0xFFFFFFFFu, control.GetTextColor().GetValue());
    EXPECT_EQ(0xFFFFFFFFu, control.BrushColor().GetValue());
    UINT h = 99, v = 99;
    control.GetAlignment(h, v);
    EXPECT_EQ(0u, h);
    EXPECT_EQ(4u, v);
    EXPECT_EQ(Vantix::Manager::m_fontwidth, control.GetFontWidth());
    EXPECT_EQ(Vantix::Manager::GetFontName(), control.GetTextFont());
    EXPECT_EQ(Gdiplus::FontStyleRegular, control.GetFontStyle());
    EXPECT_EQ(Gdiplus::TextRenderingHintClearTypeGridFit, control.Hint());
    EXPECT_EQ(4, control.Count());
    EXPECT_EQ(nullptr, control.Image());
    EXPECT_EQ(Vantix::CSize(0, 0), control.GetImageSize());
    EXPECT_TRUE(control.GetImagePath().IsEmpty());

    FontControl untitled(&parent, nullptr);
    EXPECT_TRUE(untitled.GetTitle().IsEmpty());
}

TEST(MControlFont, AlignmentAsksForARepaintOnlyWhenItChanges) {
    RecordingParent parent;
    FontControl control(&parent, L"x");
    control.SetAlignment(0u);
    control.SetVAlignment(4u);
    control.SetAlignment(0u, 4u);
    EXPECT_TRUE(parent.Updates().empty());

    control.SetAlignment(1u);
    control.SetVAlignment(8u);
    control.SetAlignment(2u, 8u);
    control.SetAlignment(2u, 8u);
    ASSERT_EQ(3u, parent.Updates().size());
    EXPECT_EQ(1, parent.Updates()[0].redraw);
    EXPECT_EQ(control.GetRect(), parent.Updates()[0].rect);
    UINT h = 0, v = 0;
    control.GetAlignment(h, v);
    EXPECT_EQ(2u, h);
    EXPECT_EQ(8u, v);

    FontControl hidden(&parent, L"x", 0);
    hidden.SetAlignment(1u);
    hidden.SetTitle(L"y");
    EXPECT_EQ(3u, parent.Updates().size());
}

TEST(MControlFont, TitleRepaintsAndDropsTheCachedFont) {
    RecordingParent parent;
    FontControl control(&parent, L"x");
    control.GetGDIFont();
    long before = Vantix::GdiLiveObjects();
    control.SetTitle(L"new");
    EXPECT_EQ(before - 1, Vantix::GdiLiveObjects());
    EXPECT_EQ(Vantix::CString(L"new"), control.GetTitle());
    ASSERT_EQ(1u, parent.Updates().size());
    EXPECT_EQ(1, parent.Updates()[0].redraw);
    control.SetTitle(nullptr);
    EXPECT_TRUE(control.GetTitle().IsEmpty());
}

TEST(MControlFont, TextColourReplacesTheBrushWithoutARepaint) {
    RecordingParent parent;
    FontControl control(&parent, L"x");
    long before = Vantix::GdiplusLiveObjects();
    control.SetTextColor(Gdiplus::Color(0x80102030));
    EXPECT_EQ(before, Vantix::GdiplusLiveObjects());
    EXPECT_EQ(0x80102030u, control.BrushColor().GetValue());
    EXPECT_EQ(0x80102030u, control.GetTextColor().GetValue());
    EXPECT_TRUE(parent.Updates().empty());
}

TEST(MControlFont, GdiFontAlwaysUsesTheGlobalFaceWithTheControlsSizeAndStyle) {
    RecordingParent parent;
    FontControl control(&parent, L"x");
    control.SetFont(L"Courier New", 20,
                    static_cast<Gdiplus::FontStyle>(Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic |
                                                    Gdiplus::FontStyleUnderline));
    EXPECT_EQ(Vantix::CString(L"Courier New"), control.GetTextFont());
    HFONT font = control.GetGDIFont();
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(font, control.GetGDIFont());
    LOGFONTW description = Describe(font);
    EXPECT_EQ(Vantix::Manager::GetFontName(), Vantix::CString(description.lfFaceName));
    EXPECT_EQ(-20, description.lfHeight);
    EXPECT_GE(description.lfWeight, FW_BOLD);
    EXPECT_LE(description.lfWeight, 1000);
    EXPECT_EQ(1, description.lfItalic);
    EXPECT_EQ(1, description.lfUnderline);
    EXPECT_EQ(DEFAULT_CHARSET, description.lfCharSet);

    // The size given by SetFont alone does not replace the cached font.
    control.SetFontWidth(30);
    EXPECT_EQ(-20, Describe(control.GetGDIFont()).lfHeight);
    control.ClearGDIFont();
    EXPECT_EQ(-30, Describe(control.GetGDIFont()).lfHeight);
}

TEST(MControlFont, ControlWithoutHostHasNoFamilyAndNoImage) {
    RecordingParent parent;
    FontControl control(&parent, L"x");
    EXPECT_EQ(nullptr, control.GetFontFamily(L"Arial"));
    EXPECT_FALSE(control.SetImage(L"img_button.png", 4));
    EXPECT_FALSE(control.SetImage(101, L"PNG", 4));
    EXPECT_EQ(nullptr, control.Image());
    EXPECT_TRUE(parent.Updates().empty());
}

TEST(MControlFont, FamilyIsAFreshCloneOfTheHostsGlobalFamily) {
    HostWindow window;
    FontControl control(&window.Parent(), L"x");
    control.SetManager(&window.Host());
    Gdiplus::FontFamily* family = control.GetFontFamily(L"Courier New");
    ASSERT_NE(nullptr, family);
    Gdiplus::FontFamily* shared = window.Host().FindTempFont(L"Arial");
    EXPECT_NE(shared, family);
    wchar_t mine[LF_FACESIZE] = {}, hosts[LF_FACESIZE] = {};
    family->GetFamilyName(mine);
    shared->GetFamilyName(hosts);
    EXPECT_STREQ(hosts, mine);

    long before = Vantix::GdiplusLiveObjects();
    EXPECT_NE(nullptr, control.GetFontFamily(L"Arial"));
    EXPECT_EQ(before, Vantix::GdiplusLiveObjects());
}

TEST(MControlFont, ControlsOfOneWindowShareAnImageAndItsFirstCellWidth) {
    SkinImageFile strip(L"test_mcontrolfont_strip.png", *MakePatternImage(88, 10));
    HostWindow window;
    FontControl first(&window.Parent(), L"a");
    FontControl second(&window.Parent(), L"b");
    first.SetManager(&window.Host());
    second.SetManager(&window.Host());
    ASSERT_TRUE(first.SetImage(strip.Name(), 4));
    EXPECT_EQ(Vantix::CSize(22, 10), first.GetImageSize());
    EXPECT_EQ(4, first.Count());
    ASSERT_TRUE(second.SetImage(strip.Name(), 2));
    EXPECT_EQ(first.Image(), second.Image());
    EXPECT_EQ(Vantix::CSize(22, 10), second.GetImageSize());
    EXPECT_EQ(4, second.Count());
    EXPECT_FALSE(second.SetImage(strip.Name(), 0));

    second.SetImageCount(8);
    EXPECT_EQ(8, second.Count());
    EXPECT_EQ(Vantix::CSize(22, 10), second.GetImageSize());
}

TEST(MControlFont, MissingImageChangesNothing) {
    SkinImageFile strip(L"test_mcontrolfont_kept.png", *MakePatternImage(40, 8));
    HostWindow window;
    FontControl control(&window.Parent(), L"a");
    control.SetManager(&window.Host());
    ASSERT_TRUE(control.SetImage(strip.Name(), 4));
    size_t requests = window.Parent().Updates().size();
    Gdiplus::Image* kept = control.Image();
    EXPECT_FALSE(control.SetImage(L"no_such_image.png", 2));
    EXPECT_EQ(kept, control.Image());
    EXPECT_EQ(Vantix::CSize(10, 8), control.GetImageSize());
    EXPECT_EQ(requests, window.Parent().Updates().size());
}

TEST(MControlFont, DestroyingAControlReleasesItsObjects) {
    HostWindow window;
    window.Host().FindTempFont(L"Arial"); // the host's own family stays until the host clears it
    long gdi = Vantix::GdiLiveObjects();
    long gdiplus = Vantix::GdiplusLiveObjects();
    {
        FontControl control(&window.Parent(), L"x");
        control.SetManager(&window.Host());
        control.GetGDIFont();
        control.GetFontFamily(L"Arial");
        control.SetTextColor(Gdiplus::Color(0xFF000000));
        EXPECT_GT(Vantix::GdiLiveObjects(), gdi);
    }
    EXPECT_EQ(gdi, Vantix::GdiLiveObjects());
    EXPECT_EQ(gdiplus, Vantix::GdiplusLiveObjects());
}
