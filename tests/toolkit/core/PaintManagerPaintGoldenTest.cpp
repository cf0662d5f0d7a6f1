// One composed layered window (background image, a picture with a caption, the info overlay with
// 45 degrees) compared with its golden image within a tolerance; the rendered frame is saved as an
// artefact for a person to look at.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>
#include <cstdint>
#include <cstdlib>

#include "PaintTestControls.h"
#include "core/Manager.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"

using Vantix::CRect;

namespace {

const wchar_t kName[] = L"PaintManagerGolden.png";
// A pixel differs when a channel is further off than this; the picture may differ in that many.
const int kChannelTolerance = 24;
const double kDifferingShare = 0.005;

bool ChannelsNear(uint32_t first, uint32_t second) {
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((first >> shift) & 0xFF) - static_cast<int>((second >> shift) & 0xFF)) >
            kChannelTolerance)
            return false;
    return true;
}

} // namespace

TEST(PaintManagerGolden, ComposedLayeredWindowMatchesItsGoldenImage) {
    Vantix::Manager::SetCPUTemp(45.0f);
    HostWindow window(CRect(100, 100, 440, 350));
    Vantix::PaintManager& host = window.Host();
    host.SetLayeredWindow(TRUE);
    ASSERT_TRUE(host.LoadBKImage(L"img_cpu_bkg5.png"));
    host.EnableDrawInfo(TRUE);
    host.AttachControl(
        1, new ResourceControl(&window.Parent(), 31, CRect(300, 8, 330, 38), L"img_btn_close.png"));
    CRect client;
    ::GetClientRect(window.Handle(), &client);
    Vantix::PaintBuffer frame = host.RenderFrame(client);
    Vantix::Manager::SetCPUTemp(0.0f);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(SaveFrameArtifact(frame, kName));

    Gdiplus::Bitmap golden((std::wstring(L"golden\\") + kName).c_str());
    ASSERT_EQ(Gdiplus::Ok, golden.GetLastStatus())
        << "no golden image: look at artifacts\\"
        << "PaintManagerGolden.png and copy it to tests/toolkit/core/golden/";
    ASSERT_EQ(static_cast<UINT>(frame.Width()), golden.GetWidth());
    ASSERT_EQ(static_cast<UINT>(frame.Height()), golden.GetHeight());
    Gdiplus::Rect all(0, 0, frame.Width(), frame.Height());
    Gdiplus::BitmapData data;
    ASSERT_EQ(Gdiplus::Ok, golden.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data));
    int differing = 0;
    for (int y = 0; y < frame.Height(); ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int x = 0; x < frame.Width(); ++x)
            differing += ChannelsNear(row[x], frame.Pixel(x, y)) ? 0 : 1;
    }
    golden.UnlockBits(&data);
    EXPECT_LE(differing, static_cast<int>(kDifferingShare * frame.Width() * frame.Height()))
        << differing << " pixels differ from the golden image";
}
