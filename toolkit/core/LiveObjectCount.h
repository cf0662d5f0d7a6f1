// Process-wide count of the GDI and GDI+ objects that the owning holders keep alive. Wine's
// GetGuiResources always answers 0, so leak checks read these counts instead.
#pragma once

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API LiveObjectCount {
public:
    // GDI objects: bitmaps, fonts, brushes, pens, regions, memory and window DCs, memory fonts.
    static void AddGdi();
    static void RemoveGdi();
    // GDI+ objects held through a pointer (images, families, collections, brushes, formats...).
    static void AddGdiplus();
    static void RemoveGdiplus();
    static long Gdi();
    static long Gdiplus();
};

// The counts of objects held right now.
VANTIX_API long GdiLiveObjects();
VANTIX_API long GdiplusLiveObjects();

} // namespace Vantix
