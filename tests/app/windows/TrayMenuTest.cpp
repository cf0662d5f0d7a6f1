// The tray menu's items, in their order, with the device count.
#include <gtest/gtest.h>

#include <string>

#include "windows/PopupMenu.h"
#include "windows/TrayMenu.h"

namespace {

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

TEST(TrayMenu, ItemsCarryTheVersionTheDeviceCountAndExit) {
    struct Case {
        int devices;
        const wchar_t* deviceText;
    };
    static const Case kCases[] = {{0, L"0 Device"}, {1, L"1 Device"}, {2, L"2 Device"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.devices);
        PopupMenu menu;
        TrayMenu::AppendItems(menu.Get(), c.devices);
        ASSERT_EQ(3, GetMenuItemCount(menu.Get()));
        EXPECT_EQ(203u, GetMenuItemID(menu.Get(), 0));
        EXPECT_EQ(std::wstring(L"Version: ") + THERMIVO_VERSION_TEXT, ItemText(menu.Get(), 0));
        EXPECT_EQ(202u, GetMenuItemID(menu.Get(), 1));
        EXPECT_EQ(c.deviceText, ItemText(menu.Get(), 1));
        EXPECT_EQ(100u, GetMenuItemID(menu.Get(), 2));
        EXPECT_EQ(L"Exit", ItemText(menu.Get(), 2));
    }
}

} // namespace
