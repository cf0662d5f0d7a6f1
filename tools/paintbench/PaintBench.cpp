// paintbench: median time of a full repaint of a 340 x 250 layered toolkit window (background image,
// one picture, the info overlay) beside the same picture drawn with plain GDI+ into a DIB and shown
// with UpdateLayeredWindow. The toolkit's paint pass ends with a fixed 15 ms pause; the time without
// it is given as well (the pass composed alone, and the repaint less a measured 15 ms sleep).
#include <windows.h>
#include <gdiplus.h>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchClock.h"
#include "BenchWindow.h"
#include "PlainLayeredWindow.h"
#include "core/LiveObjectCount.h"
#include "core/Manager.h"
#include "core/SkinPath.h"

namespace {

const int kRounds = 200;
const int kWarmUp = 10;

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

// The measured steps, run in turn within each round so that all of them see the same machine load.
struct Timings {
    std::vector<double> repaint, compose, pause, plain;
};

double TimeMs(const std::function<void()>& work) {
    const double start = NowMs();
    work();
    return NowMs() - start;
}

void PrintGuiResources() {
    const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (gdi || user)
        std::printf("GetGuiResources: %lu GDI, %lu USER objects\n", static_cast<unsigned long>(gdi),
                    static_cast<unsigned long>(user));
    else
        std::printf("GetGuiResources: reports nothing here (a stub under Wine)\n");
}

int Run() {
    Vantix::Manager::SetInstance(::GetModuleHandleW(nullptr));
    Vantix::Manager::SetCPUTemp(45.0f);
    BenchWindow window(100, 100, 340, 250);
    const Vantix::CString skin = Vantix::GetSkinPath();
    PlainLayeredWindow baseline(500, 100, 340, 250, (skin + L"img_cpu_bkg5.png").GetString(),
                                (skin + L"img_btn_close.png").GetString());
    if (!window.IsReady() || !baseline.IsReady()) {
        std::fprintf(stderr, "paintbench: the windows or the skin images are missing\n");
        return 1;
    }
    const Vantix::CRect client(0, 0, 340, 250);
    for (int i = 0; i < kWarmUp; ++i) {
        window.Repaint();
        baseline.Repaint(45);
        Pump();
    }
    const long gdiBefore = Vantix::GdiLiveObjects();
    const long gdiplusBefore = Vantix::GdiplusLiveObjects();
    Timings timings;
    for (int i = 0; i < kRounds; ++i) {
        const int temperature = 40 + i % 50;
        Vantix::Manager::SetCPUTemp(static_cast<float>(temperature));
        Pump();
        timings.repaint.push_back(TimeMs([&] { window.Repaint(); }));
        timings.compose.push_back(TimeMs([&] { window.Host().RenderFrame(client); }));
        timings.pause.push_back(TimeMs([] { ::Sleep(15); }));
        timings.plain.push_back(TimeMs([&] { baseline.Repaint(temperature); }));
    }
    const double repaint = Median(timings.repaint);
    const double compose = Median(timings.compose);
    const double pause = Median(timings.pause);
    const double plain = Median(timings.plain);

    std::printf("rounds: %d, the steps in turn within each round (medians)\n", kRounds);
    std::printf("toolkit repaint (WM_PAINT, with its 15 ms pause): %8.3f ms\n", repaint);
    std::printf("  measured Sleep(15):                             %8.3f ms\n", pause);
    std::printf("  repaint less that sleep:                        %8.3f ms\n", repaint - pause);
    std::printf("  frame composed alone (RenderFrame):             %8.3f ms\n", compose);
    std::printf("plain GDI+ into a DIB + UpdateLayeredWindow:      %8.3f ms\n", plain);
    std::printf("ratio toolkit / plain, with the pause:            %8.2f\n", repaint / plain);
    std::printf("ratio toolkit / plain, without the pause:         %8.2f\n", (repaint - pause) / plain);
    std::printf("live objects after the runs: GDI %+ld, GDI+ %+ld\n", Vantix::GdiLiveObjects() - gdiBefore,
                Vantix::GdiplusLiveObjects() - gdiplusBefore);
    PrintGuiResources();
    return 0;
}

} // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const int result = Run();
    Gdiplus::GdiplusShutdown(token);
    return result;
}
