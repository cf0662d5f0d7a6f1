// The control factory: names to classes with the argument shapes of their table entries, the list a
// control lands in, exact names only, and controls handed back unattached.
#include <gtest/gtest.h>

#include <memory>

#include "controls/CArea.h"
#include "controls/ControlFactory.h"
#include "controls/MButton.h"
#include "controls/MPicture.h"
#include "controls/MText.h"
#include "support/HostWindow.h"

using Vantix::ControlFactory;
using Vantix::CRect;
using Vantix::MControl;

namespace {

bool IsOfClass(MControl* control, const wchar_t* name) {
    const std::wstring wanted(name);
    if (wanted == L"CArea")
        return dynamic_cast<Vantix::CArea*>(control) != nullptr;
    if (wanted == L"MText")
        return dynamic_cast<Vantix::MText*>(control) != nullptr;
    if (wanted == L"MPicture")
        return dynamic_cast<Vantix::MPicture*>(control) != nullptr;
    if (wanted == L"MButton")
        return dynamic_cast<Vantix::MButton*>(control) != nullptr;
    return false;
}

std::wstring TitleOf(MControl* control) {
    auto* font = dynamic_cast<Vantix::MControlFont*>(control);
    return font ? std::wstring(font->GetTitle().GetString()) : L"(none)";
}

} // namespace

TEST(ControlFactory, EachNameBuildsItsClassWithTheArgumentsOfItsShape) {
    static const struct {
        const wchar_t* name;
        int visible, enabled;     // given
        int isVisible, isEnabled; // taken
        const wchar_t* title;     // kept from the text "OK"
    } cases[] = {
        {L"CArea", 1, 0, 1, 1, L"(none)"},                                 // the caller's enabled is ignored
        {L"CArea", 0, 1, 0, 1, L"(none)"}, {L"MText", 1, 1, 1, 0, L"OK"},  // always disabled
        {L"MText", 0, 1, 0, 0, L"OK"},     {L"MPicture", 1, 0, 1, 0, L""}, // the text is ignored
        {L"MPicture", 0, 1, 0, 1, L""},    {L"MButton", 1, 0, 1, 0, L"OK"}, {L"MButton", 0, 1, 0, 1, L"OK"},
    };
    Vantix::MObject parent;
    for (ControlFactory::Table table : {ControlFactory::WINDOW_TABLE, ControlFactory::PANEL_TABLE}) {
        for (const auto& c : cases) {
            std::unique_ptr<MControl> control(ControlFactory::Construct(
                table, &parent, c.name, 42, CRect(1, 2, 3, 4), L"OK", c.visible, c.enabled));
            ASSERT_NE(nullptr, control) << c.name;
            EXPECT_TRUE(IsOfClass(control.get(), c.name)) << c.name;
            EXPECT_EQ(42u, control->GetControlID());
            EXPECT_EQ(CRect(1, 2, 3, 4), control->GetRect());
            EXPECT_EQ(&parent, control->GetParantObject());
            EXPECT_EQ(nullptr, control->GetManager());
            EXPECT_EQ(c.isVisible, control->IsVisible()) << c.name << " " << c.visible << c.enabled;
            EXPECT_EQ(c.isEnabled, control->IsEnabled()) << c.name << " " << c.visible << c.enabled;
            EXPECT_EQ(1, control->GetRresponse()) << c.name;
            EXPECT_EQ(std::wstring(c.title), TitleOf(control.get())) << c.name;
            EXPECT_STREQ(L"MControl", control->GetClassNameW());
        }
    }
}

TEST(ControlFactory, OnlyExactNamesOfBuiltClassesMakeAControl) {
    static const wchar_t* const names[] = {L"marea",         L"Carea",  L"MText ",        L" MText",
                                           L"MPictures",     L"",       nullptr,          L"MEdit",
                                           L"CImageButton2", L"MPanel", L"CComboBoxList", L"KeyFuncControl"};
    for (ControlFactory::Table table : {ControlFactory::WINDOW_TABLE, ControlFactory::PANEL_TABLE})
        for (const wchar_t* name : names)
            EXPECT_EQ(nullptr, ControlFactory::Construct(table, nullptr, name, 1, CRect(), L"", 1, 1))
                << (name ? name : L"(null)");
}

TEST(ControlFactory, TheHostsEntriesFillTheAreaAndControlLists) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    MControl* text = host.CreateArea(&window.Parent(), L"MText", 1, CRect(0, 0, 50, 20), L"Title", 1, 1);
    MControl* button = host.CreateControl(&window.Parent(), L"MButton", 2, CRect(0, 30, 50, 50), L"OK", 1, 0);
    ASSERT_NE(nullptr, text);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(&host, text->GetManager());
    EXPECT_EQ(&host, button->GetManager());
    ASSERT_EQ(1u, host.GetControls()->size());
    EXPECT_EQ(button, host.GetControls()->front().get());
    EXPECT_EQ(text, host.GetControl(1));

    EXPECT_EQ(nullptr, host.CreateControl(&window.Parent(), L"mbutton", 3, CRect(), L"", 1, 1));
    EXPECT_EQ(nullptr, host.CreateArea(&window.Parent(), L"Nothing", 4, CRect(), L"", 1, 1));
    EXPECT_EQ(1u, host.GetControls()->size());
    EXPECT_EQ(nullptr, host.GetControl(3));
    EXPECT_EQ(nullptr, host.GetControl(4));

    // Two controls may share an id: the search finds the control list first.
    MControl* twin = host.CreateControl(&window.Parent(), L"CArea", 1, CRect(), nullptr, 1, 1);
    EXPECT_EQ(twin, host.GetControl(1));

    // A list the host does not know: the caller owns the control.
    std::unique_ptr<MControl> loose(
        host.CreateControl(5, &window.Parent(), L"MPicture", 6, CRect(), L"", 1, 1));
    ASSERT_NE(nullptr, loose);
    EXPECT_EQ(2u, host.GetControls()->size());
    EXPECT_EQ(nullptr, host.GetControl(6));
}
