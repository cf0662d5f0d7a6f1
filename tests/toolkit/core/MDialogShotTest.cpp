// The visual check: one dialog as an application shows it (title, a wrapped message, a picture and
// two buttons, one under the pointer), painted by its window and saved as artifacts\dialog.png.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "controls/CArea.h"
#include "controls/MButton.h"
#include "controls/MPicture.h"
#include "controls/MText.h"
#include "support/DibCanvas.h"
#include "support/WindowCapture.h"

using Vantix::CRect;

namespace {

const int kWidth = 380;
const int kHeight = 200;

void BuildControls(TestDialog& dialog, CRect client) {
    auto* header = static_cast<Vantix::CArea*>(
        dialog.CreateArea(L"CArea", 30, CRect(1, 1, client.right - 1, 48), nullptr, 1, 1));
    header->SetTransparent(82, 100, RGB(180, 80, 255));

    auto* title = static_cast<Vantix::MText*>(
        dialog.CreateArea(L"MText", 31, CRect(20, 12, client.right - 20, 40), L"Thermivo update", 1, 1));
    title->SetAlignment(1, 4);
    title->SetFontWidth(16);
    title->SetFontStyle(Gdiplus::FontStyleBold);

    // A small view of the main window, the thing being updated.
    auto* picture = static_cast<Vantix::MPicture*>(
        dialog.CreateArea(L"MPicture", 35, CRect(20, 60, 108, 125), nullptr, 1, 1));
    picture->SetImage(L"img_cpu_bkg5.png", 1);
    picture->SetShowMode(Vantix::SHOW_STRETCH, 0);

    auto* message = static_cast<Vantix::MText*>(dialog.CreateArea(
        L"MText", 32, CRect(122, 58, client.right - 20, 128),
        L"Version 1.0.1.0 is ready to install. The display keeps showing the temperature while the "
        L"update runs.",
        1, 1));
    message->SetAlignment(0, 4);
    message->EnableMultiLine(1);
    message->EnableVCenter(1);
    message->SetTextColor(Gdiplus::Color(0xFFD8D4E4));

    const int middle = (client.right - client.left) / 2;
    const struct {
        UINT id;
        const wchar_t* caption;
        CRect rect;
    } buttons[] = {{33, L"YES", CRect(middle - 120, client.bottom - 48, middle - 20, client.bottom - 18)},
                   {34, L"NO", CRect(middle + 20, client.bottom - 48, middle + 120, client.bottom - 18)}};
    for (const auto& b : buttons) {
        auto* button =
            static_cast<Vantix::MButton*>(dialog.CreateControl(L"MButton", b.id, b.rect, b.caption, 1, 1));
        button->SetImage(L"img_button.png", 4);
    }
}

} // namespace

TEST(MDialogShot, AQuestionDialogLooksFinished) {
    TestDialog dialog;
    dialog.buildControls = BuildControls;
    ASSERT_NE(nullptr, dialog.CreateAt(CRect(200, 200, 200 + kWidth, 200 + kHeight)));
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    dialog.Mouse(WM_MOUSEMOVE, 120, 168); // over YES

    DibCanvas canvas(kWidth, kHeight);
    ASSERT_TRUE(CaptureClient(dialog.GetSafeHwnd(), canvas));
    EXPECT_TRUE(canvas.SaveArtifact(L"dialog.png"));

    // The pieces are there: the violet border, light title and message text, the picture, the faces.
    const uint32_t border = canvas.Pixel(0, 100);
    EXPECT_TRUE(RedOf(border) > 0xB0 && GreenOf(border) < 0x40 && BlueOf(border) > 0xF0)
        << std::hex << border;
    const auto light = [](uint32_t p) { return GreenOf(p) > 0xC0 && RedOf(p) > 0xC0; };
    EXPECT_GT(canvas.Count(CRect(20, 12, kWidth - 20, 40), light), 30);
    EXPECT_GT(canvas.Count(CRect(122, 58, kWidth - 20, 128), light), 100);
    EXPECT_NE(canvas.Pixel(10, 90), canvas.Pixel(64, 92));
    EXPECT_NE(canvas.Pixel(100, 160), canvas.Pixel(240, 160)); // hovered and normal faces differ
    dialog.DestroyWindow();
}
