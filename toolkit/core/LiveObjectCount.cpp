// The two live-object counters; holders on any thread change them.
#include "core/LiveObjectCount.h"

#include <windows.h>

namespace Vantix {

namespace {

volatile LONG g_gdi = 0;
volatile LONG g_gdiplus = 0;

} // namespace

void LiveObjectCount::AddGdi() {
    ::InterlockedIncrement(&g_gdi);
}

void LiveObjectCount::RemoveGdi() {
    ::InterlockedDecrement(&g_gdi);
}

void LiveObjectCount::AddGdiplus() {
    ::InterlockedIncrement(&g_gdiplus);
}

void LiveObjectCount::RemoveGdiplus() {
    ::InterlockedDecrement(&g_gdiplus);
}

long LiveObjectCount::Gdi() {
    return ::InterlockedCompareExchange(&g_gdi, 0, 0);
}

long LiveObjectCount::Gdiplus() {
    return ::InterlockedCompareExchange(&g_gdiplus, 0, 0);
}

long GdiLiveObjects() {
    return LiveObjectCount::Gdi();
}

long GdiplusLiveObjects() {
    return LiveObjectCount::Gdiplus();
}

} // namespace Vantix
