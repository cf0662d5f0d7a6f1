// The window's drop target: format choice, the effect decision and the hand-over of a drop, driven by
// calling its IDropTarget methods with data objects built here.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <vector>

#include "CountingDataObject.h"
#include "DragDropData.h"
#include "core/CIDataObject.h"
#include "core/CIDropTarget.h"
#include "core/ComPtr.h"

using dragdrop::Format;
using Vantix::CIDataObject;
using Vantix::ComPtr;

namespace {

const DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

struct DropCall {
    CLIPFORMAT format;
    DWORD medium;
    HANDLE handle;
};

// A drop target with the host's four formats that records OnDrop and answers as told.
class RecordingDropTarget : public Vantix::CIDropTarget {
public:
    RecordingDropTarget() {
        FORMATETC formats[] = {Format(CF_BITMAP, TYMED_GDI), Format(CF_DIB, TYMED_HGLOBAL),
                               Format(CF_HDROP, TYMED_HGLOBAL), Format(CF_ENHMETAFILE, TYMED_ENHMF)};
        for (FORMATETC& format : formats)
            AddSuportedFormat(format);
    }
    bool OnDrop(FORMATETC* format, STGMEDIUM* medium, DWORD*) override {
        drops.push_back(DropCall{format->cfFormat, medium->tymed, medium->hGlobal});
        return releaseMedium;
    }
    std::vector<DropCall> drops;
    bool releaseMedium = true;
};

class DropTargetTest : public testing::Test {
protected:
    ~DropTargetTest() override {
        m_data.Reset();
        for (HANDLE handle : m_handedOut)
            ::DeleteObject(handle);
    }
    CountingDataObject& Offer(const std::vector<CLIPFORMAT>& formats) {
        CountingDataObject* object = new CountingDataObject(m_counter);
        object->AddRef();
        m_data.Attach(object);
        for (CLIPFORMAT format : formats)
            Store(format);
        return *object;
    }
    void Store(CLIPFORMAT format) {
        STGMEDIUM medium = {};
        if (format == CF_BITMAP) {
            medium.tymed = TYMED_GDI;
            medium.hBitmap = dragdrop::MakeBitmap(dragdrop::FourColours());
        } else {
            medium.tymed = TYMED_HGLOBAL;
            medium.hGlobal = dragdrop::MakePackedDib(dragdrop::FourColours());
        }
        FORMATETC formatEtc = Format(format, medium.tymed);
        ASSERT_EQ(S_OK, m_data->SetData(&formatEtc, &medium, TRUE));
    }
    // Bitmaps handed out through the counter are the test's to delete (global memory is freed with
    // the process).
    void KeepHandedOutBitmaps() {
        for (HANDLE handle : static_cast<CountingDataObject*>(m_data.Get())->handedOut)
            if (::GetObjectType(handle) == OBJ_BITMAP)
                m_handedOut.push_back(handle);
    }

    RecordingDropTarget m_target;
    CountingDataObject::Counter m_counter;
    ComPtr<CIDataObject> m_data;
    std::vector<HANDLE> m_handedOut;
    POINTL m_point = {10, 10};
};

} // namespace

TEST_F(DropTargetTest, EffectFollowsTheModifierKeysAndWhatTheSourceAllows) {
    struct Case {
        DWORD keys;
        DWORD allowed;
        DWORD expected;
    };
    static const Case cases[] = {
        {0, kAllEffects, DROPEFFECT_COPY},
        {0, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
        {0, DROPEFFECT_LINK, DROPEFFECT_LINK},
        {0, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {MK_SHIFT, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {MK_CONTROL | MK_SHIFT, kAllEffects, DROPEFFECT_LINK},
        {MK_CONTROL | MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {MK_LBUTTON | MK_SHIFT, kAllEffects, DROPEFFECT_MOVE},
    };
    Offer({CF_DIB});
    for (const Case& c : cases) {
        DWORD effect = c.allowed;
        ASSERT_EQ(S_OK, m_target.DragEnter(m_data.Get(), c.keys, m_point, &effect));
        EXPECT_EQ(c.expected, effect) << "keys " << c.keys << " allowed " << c.allowed;
        effect = c.allowed;
        ASSERT_EQ(S_OK, m_target.DragOver(c.keys, m_point, &effect));
        EXPECT_EQ(c.expected, effect) << "over, keys " << c.keys << " allowed " << c.allowed;
        m_target.DragLeave();
    }
}

TEST_F(DropTargetTest, DataWithoutASupportedFormatIsRefused) {
    Offer({CF_TEXT});
    DWORD effect = kAllEffects;
    ASSERT_EQ(S_OK, m_target.DragEnter(m_data.Get(), 0, m_point, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
    effect = kAllEffects;
    ASSERT_EQ(S_OK, m_target.Drop(m_data.Get(), 0, m_point, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
    EXPECT_TRUE(m_target.drops.empty());
}

TEST_F(DropTargetTest, DropHandsTheTargetsFirstOfferedFormatAndReleasesTheMedium) {
    // The target's own order decides: it lists bitmaps before DIBs.
    Offer({CF_DIB, CF_BITMAP});
    DWORD effect = kAllEffects;
    ASSERT_EQ(S_OK, m_target.DragEnter(m_data.Get(), 0, m_point, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
    effect = kAllEffects;
    ASSERT_EQ(S_OK, m_target.Drop(m_data.Get(), 0, m_point, &effect));
    KeepHandedOutBitmaps();

    ASSERT_EQ(1u, m_target.drops.size());
    EXPECT_EQ(CF_BITMAP, m_target.drops[0].format);
    EXPECT_EQ(static_cast<DWORD>(TYMED_GDI), m_target.drops[0].medium);
    EXPECT_EQ(dragdrop::FourColours().pixels,
              dragdrop::ReadPixels(static_cast<HBITMAP>(m_target.drops[0].handle)).values);
    EXPECT_EQ(1, m_counter.releases);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
}

TEST_F(DropTargetTest, MediumKeptByTheHandlerIsNotReleased) {
    Offer({CF_BITMAP});
    m_target.releaseMedium = false;
    DWORD effect = kAllEffects;
    m_target.DragEnter(m_data.Get(), 0, m_point, &effect);
    effect = kAllEffects;
    m_target.Drop(m_data.Get(), 0, m_point, &effect);
    KeepHandedOutBitmaps();

    ASSERT_EQ(1u, m_target.drops.size());
    EXPECT_EQ(0, m_counter.releases);
}

TEST_F(DropTargetTest, RefusedEffectOrLeftDragDropsNothing) {
    Offer({CF_DIB});
    DWORD effect = DROPEFFECT_COPY;
    m_target.DragEnter(m_data.Get(), 0, m_point, &effect);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(S_OK, m_target.Drop(m_data.Get(), MK_SHIFT, m_point, &effect));
    EXPECT_TRUE(m_target.drops.empty());

    effect = DROPEFFECT_COPY;
    m_target.DragEnter(m_data.Get(), 0, m_point, &effect);
    m_target.DragLeave();
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(S_OK, m_target.Drop(m_data.Get(), 0, m_point, &effect));
    EXPECT_TRUE(m_target.drops.empty());
    EXPECT_EQ(0, m_counter.releases);
}

TEST_F(DropTargetTest, RejectsMissingArguments) {
    Offer({CF_DIB});
    DWORD effect = kAllEffects;
    EXPECT_EQ(E_INVALIDARG, m_target.DragEnter(nullptr, 0, m_point, &effect));
    EXPECT_EQ(E_INVALIDARG, m_target.Drop(nullptr, 0, m_point, &effect));
    EXPECT_EQ(E_INVALIDARG, m_target.DragEnter(m_data.Get(), 0, m_point, nullptr));
    EXPECT_TRUE(m_target.drops.empty());
}

TEST_F(DropTargetTest, LastReleaseLeavesTheOwnedTargetAlive) {
    EXPECT_EQ(1u, m_target.AddRef());
    EXPECT_EQ(0u, m_target.Release());
    // Still a working object: its owner, not the count, ends it.
    Offer({CF_DIB});
    DWORD effect = kAllEffects;
    ASSERT_EQ(S_OK, m_target.DragEnter(m_data.Get(), 0, m_point, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
}
