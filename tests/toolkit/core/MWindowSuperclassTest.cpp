#include <gtest/gtest.h>

#include <windows.h>

#include "RecordingWindow.h"

using Vantix::CRect;
using Vantix::MWindow;

TEST(MWindowSuperclass, EditSuperclassRoutesThroughControlProc) {
    EditWindow edit;
    HWND hwnd = edit.Create(nullptr, L"hello", WS_POPUP | ES_AUTOHSCROLL, 0, CRect(10, 10, 210, 40));
    ASSERT_NE(nullptr, hwnd);
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    EXPECT_STREQ(L"VantixTestEdit", className);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&MWindow::ControlProc), GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    // The object sits in the property; the user data stays the edit control's.
    EXPECT_EQ(&edit, GetPropW(hwnd, L"Control"));
    EXPECT_EQ(0, GetWindowLongPtrW(hwnd, GWLP_USERDATA));

    // Only the system edit procedure answers these: the object passed them on.
    edit.SendMessageW(EM_SETLIMITTEXT, 5, 0);
    EXPECT_EQ(5, edit.SendMessageW(EM_GETLIMITTEXT, 0, 0));
    EXPECT_TRUE(edit.Received(EM_GETLIMITTEXT));
    EXPECT_EQ(5, edit.GetWindowTextLengthW());

    EXPECT_TRUE(edit.DestroyWindow());
    EXPECT_EQ(nullptr, edit.GetSafeHwnd());
    ASSERT_EQ(1u, edit.destroyed.size());
    EXPECT_EQ(nullptr, edit.handleAtDestroy);
    EXPECT_EQ(nullptr, edit.propertyAtDestroy);
}

TEST(MWindowSuperclass, DeletedObjectHandsTheWindowBackToTheSystemClass) {
    auto* edit = new EditWindow;
    HWND hwnd = edit->Create(nullptr, L"abc", WS_POPUP, 0, CRect(10, 10, 210, 40));
    ASSERT_NE(nullptr, hwnd);
    delete edit;
    EXPECT_EQ(nullptr, GetPropW(hwnd, L"Control"));
    SendMessageW(hwnd, EM_SETLIMITTEXT, 7, 0);
    EXPECT_EQ(7, SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0));
    EXPECT_TRUE(DestroyWindow(hwnd));
}
