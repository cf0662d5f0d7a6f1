// The drag's drop source: when a drag continues, drops or is cancelled.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include "core/CIDropSource.h"

using Vantix::CIDropSource;

TEST(DropSourceTest, ContinuesWhileAButtonIsHeldAndCancelsOnEscape) {
    struct Case {
        BOOL escape;
        DWORD keys;
        HRESULT expected;
        bool dropped;
    };
    static const Case cases[] = {
        {FALSE, MK_LBUTTON, S_OK, false},
        {FALSE, MK_RBUTTON | MK_SHIFT, S_OK, false},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL, false},
        {TRUE, 0, DRAGDROP_S_CANCEL, false},
        {FALSE, 0, DRAGDROP_S_DROP, true},
        {FALSE, MK_CONTROL | MK_MBUTTON, DRAGDROP_S_DROP, true},
    };
    for (const Case& c : cases) {
        CIDropSource source;
        EXPECT_EQ(c.expected, source.QueryContinueDrag(c.escape, c.keys)) << "keys " << c.keys;
        EXPECT_EQ(c.dropped, source.IsDropped()) << "keys " << c.keys;
    }
}

TEST(DropSourceTest, LeavesTheCursorsToTheSystem) {
    CIDropSource source;
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_COPY));
    IDropSource* asSource = nullptr;
    ASSERT_EQ(S_OK, source.QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&asSource)));
    EXPECT_EQ(static_cast<IDropSource*>(&source), asSource);
    IDataObject* asData = nullptr;
    EXPECT_EQ(E_NOINTERFACE, source.QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&asData)));
}
