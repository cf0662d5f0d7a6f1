// The control host as the window's drop target, end to end: a real window registered with OLE, data
// objects built here handed to the host's IDropTarget methods, and a control of the window that takes
// the dropped picture (STM_SETIMAGE). Last, a real OLE drag started by pressing and moving on a
// drag-enabled control.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

#include "CountingDataObject.h"
#include "DragDropData.h"
#include "support/HostWindow.h"
#include "core/CIDataObject.h"
#include "core/ComPtr.h"

using dragdrop::Format;
using dragdrop::Picture;
using Vantix::CIDataObject;
using Vantix::ComPtr;
using Vantix::CRect;

namespace {

const DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

// A control that keeps the pictures sent to the window and offers its own picture for a drag.
class PictureControl : public RecordingControl {
public:
    PictureControl(Vantix::MObject* parent, UINT id, CRect rect) : RecordingControl(parent, id, rect) {}
    ~PictureControl() override {
        for (HBITMAP bitmap : received)
            ::DeleteObject(bitmap);
    }
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_LBUTTONUP)
            ++buttonUps;
        if (msg != STM_SETIMAGE || wParam != IMAGE_BITMAP)
            return 0;
        received.push_back(reinterpret_cast<HBITMAP>(lParam));
        return 1;
    }
    HBITMAP GetControlDropBitmap() override { return dragdrop::MakeBitmap(picture); }

    std::vector<HBITMAP> received;
    int buttonUps = 0;
    Picture picture = dragdrop::FourColours();
};

class DragDropHostTest : public testing::Test {
protected:
    void SetUp() override {
        m_control = new PictureControl(&m_window.Parent(), 7, CRect(10, 10, 110, 60));
        m_window.Host().AttachControl(1, m_control);
    }
    void TearDown() override { m_data.Reset(); }

    CIDataObject& NewData() {
        CIDataObject* data = new CIDataObject(nullptr);
        data->AddRef();
        m_data.Attach(data);
        return *data;
    }
    void Store(CLIPFORMAT format, DWORD medium, HANDLE handle) {
        FORMATETC formatEtc = Format(format, medium);
        STGMEDIUM stored = {};
        stored.tymed = medium;
        stored.hGlobal = static_cast<HGLOBAL>(handle);
        ASSERT_EQ(S_OK, m_data->SetData(&formatEtc, &stored, TRUE));
    }
    // Drags the data in and drops it on the window without modifier keys; the effect after entering.
    DWORD DragAndDrop() {
        POINTL point = {120, 120};
        DWORD effect = kCopyOrMove;
        Vantix::PaintManager& host = m_window.Host();
        EXPECT_EQ(S_OK, host.DragEnter(m_data.Get(), 0, point, &effect));
        DWORD entered = effect;
        effect = kCopyOrMove;
        EXPECT_EQ(S_OK, host.Drop(m_data.Get(), 0, point, &effect));
        return entered;
    }

    HostWindow m_window{CRect(1000, 300, 1400, 600)};
    PictureControl* m_control = nullptr; // owned by the host
    ComPtr<CIDataObject> m_data;
};

} // namespace

TEST_F(DragDropHostTest, WindowIsADropTargetUntilTheHostIsTornDown) {
    HWND hwnd = m_window.Handle();
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(hwnd, &m_window.Host()));

    // What WM_NCDESTROY does, while the window is still there to be asked.
    m_window.Host().DestroyData();
    EXPECT_EQ(DRAGDROP_E_NOTREGISTERED, ::RevokeDragDrop(hwnd));
}

TEST_F(DragDropHostTest, EachDroppedPictureFormatReachesTheWindowAsABitmap) {
    struct Case {
        const char* what;
        std::function<void()> offer;
    };
    std::wstring file = dragdrop::TempPath(L"vantix-host-drop.bmp");
    ASSERT_TRUE(dragdrop::WriteBitmapFile(file, dragdrop::FourColours()));
    const Case cases[] = {
        {"DIB", [this] { Store(CF_DIB, TYMED_HGLOBAL, dragdrop::MakePackedDib(dragdrop::FourColours())); }},
        {"bitmap", [this] { Store(CF_BITMAP, TYMED_GDI, dragdrop::MakeBitmap(dragdrop::FourColours())); }},
        {"bitmap file", [this, &file] { Store(CF_HDROP, TYMED_HGLOBAL, dragdrop::MakeFileDrop({file})); }},
    };
    for (const Case& c : cases) {
        NewData();
        c.offer();
        size_t before = m_control->received.size();
        int buttonUpsBefore = m_control->buttonUps;
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), DragAndDrop()) << c.what;

        ASSERT_EQ(before + 1, m_control->received.size()) << c.what;
        EXPECT_EQ(dragdrop::FourColours().pixels, dragdrop::ReadPixels(m_control->received.back()).values)
            << c.what;
        // The press that a drag from this window started ends with the drop.
        EXPECT_EQ(buttonUpsBefore + 1, m_control->buttonUps) << c.what;
    }
    ::DeleteFileW(file.c_str());
}

TEST_F(DragDropHostTest, DroppedMetafileArrivesAtItsSize) {
    Picture picture{30, 12, std::vector<DWORD>(360, 0x00FF00)};
    HBITMAP bitmap = dragdrop::MakeBitmap(picture);
    HDC screen = ::GetDC(nullptr);
    HDC recorder = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(source, bitmap);
    ::BitBlt(recorder, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(bitmap);
    NewData();
    Store(CF_ENHMETAFILE, TYMED_ENHMF, ::CloseEnhMetaFile(recorder));

    DragAndDrop();
    ASSERT_EQ(1u, m_control->received.size());
    dragdrop::Pixels pixels = dragdrop::ReadPixels(m_control->received[0]);
    EXPECT_EQ(30, pixels.width);
    EXPECT_EQ(12, pixels.height);
    EXPECT_EQ(0x00FF00u, pixels.At(29, 11));
}

TEST_F(DragDropHostTest, BitmapThatStaysItsSourcesReachesTheWindowAsACopy) {
    CountingDataObject::Counter counter;
    CountingDataObject* data = new CountingDataObject(counter);
    data->AddRef();
    m_data.Attach(data);
    Store(CF_BITMAP, TYMED_GDI, dragdrop::MakeBitmap(dragdrop::FourColours()));

    DragAndDrop();
    ASSERT_EQ(1u, m_control->received.size());
    ASSERT_EQ(1u, data->handedOut.size());
    HBITMAP sourceBitmap = static_cast<HBITMAP>(data->handedOut[0]);
    EXPECT_NE(sourceBitmap, m_control->received[0]);
    EXPECT_EQ(dragdrop::FourColours().pixels, dragdrop::ReadPixels(m_control->received[0]).values);
    EXPECT_EQ(1, counter.releases);
    m_data.Reset();
    ::DeleteObject(sourceBitmap);
}

// The window itself answers STM_SETIMAGE (as a dialog may) and hands back the picture it had.
class WindowThatSwapsPictures {
public:
    explicit WindowThatSwapsPictures(HWND hwnd) : m_hwnd(hwnd) {
        ::SetWindowSubclass(m_hwnd, &WindowThatSwapsPictures::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~WindowThatSwapsPictures() {
        ::RemoveWindowSubclass(m_hwnd, &WindowThatSwapsPictures::Proc, 1);
        ::DeleteObject(current);
    }
    HBITMAP current = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        if (msg != STM_SETIMAGE)
            return ::DefSubclassProc(hwnd, msg, wParam, lParam);
        auto* window = reinterpret_cast<WindowThatSwapsPictures*>(self);
        HBITMAP previous = window->current;
        window->current = reinterpret_cast<HBITMAP>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    HWND m_hwnd;
};

TEST_F(DragDropHostTest, PictureTheWindowGivesBackIsDeleted) {
    WindowThatSwapsPictures window(m_window.Handle());
    window.current = dragdrop::MakeBitmap(dragdrop::FourColours());
    HBITMAP givenBack = window.current;
    NewData();
    Store(CF_DIB, TYMED_HGLOBAL, dragdrop::MakePackedDib(dragdrop::FourColours()));
    DragAndDrop();

    ASSERT_NE(givenBack, window.current);
    EXPECT_EQ(dragdrop::FourColours().pixels, dragdrop::ReadPixels(window.current).values);
    EXPECT_EQ(0u, static_cast<unsigned>(::GetObjectType(givenBack)));
}

TEST_F(DragDropHostTest, TextIsNotDropped) {
    NewData();
    HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
    Store(CF_TEXT, TYMED_HGLOBAL, text);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), DragAndDrop());
    EXPECT_TRUE(m_control->received.empty());
    EXPECT_EQ(0, m_control->buttonUps);
}

// A real OLE drag: the button is not down on the system's side, so the drag drops at once where the
// pointer is, on this same window, which takes the control's picture. The window is topmost and
// away from every other test's window: the drop lands on whatever window is under the pointer, even
// one of a test running beside this one.
TEST(DragDropRealDragTest, PressAndMoveOnADragEnabledControlDragsItsPicture) {
    HostWindow window(CRect(1500, 700, 1700, 850), WS_EX_TOPMOST);
    auto* control = new PictureControl(&window.Parent(), 7, CRect(10, 10, 110, 60));
    window.Host().AttachControl(1, control);
    control->SetDragDrop(1);
    POINT onControl = {50, 30};
    ::ClientToScreen(window.Handle(), &onControl);
    ::SetCursorPos(onControl.x, onControl.y);
    window.Mouse(WM_MOUSEMOVE, 50, 30);
    ASSERT_EQ(control, window.Host().GetHoverControl());

    window.Mouse(WM_LBUTTONDOWN, 50, 30, MK_LBUTTON);
    // The first move sets the anchor; a drag starts on a move of no more than 2 pixels from it.
    window.Mouse(WM_MOUSEMOVE, 51, 31, MK_LBUTTON);
    window.Mouse(WM_MOUSEMOVE, 52, 32, MK_LBUTTON);
    ::SetCursorPos(0, 0);

    ASSERT_EQ(1u, control->received.size());
    EXPECT_EQ(dragdrop::FourColours().pixels, dragdrop::ReadPixels(control->received[0]).values);
    EXPECT_EQ(0, window.Host().IsCaptured());
    // The cursor is free again.
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_GT(clip.right - clip.left, 1000);
}
