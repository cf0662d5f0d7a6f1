// Pixel helpers for the basic controls' tests: drawing a host's controls into a canvas as a paint
// pass does, colour comparison with a tolerance, and the bounds of the bright pixels of a text.
#pragma once

#include <windows.h>
#include <cstdint>

#include "core/CRect.h"
#include "core/PaintManager.h"
#include "support/DibCanvas.h"

// Areas, then controls, into the canvas over its current content (the window background).
void DrawHost(Vantix::PaintManager& host, DibCanvas& canvas);
// Every channel, alpha included, within tolerance.
bool SameColour(uint32_t first, uint32_t second, int tolerance = 0);
// Smallest rectangle holding every pixel of rect whose green channel is above threshold; empty
// when there is none.
Vantix::CRect InkBounds(const DibCanvas& canvas, const Vantix::CRect& rect, int threshold = 0x80);
