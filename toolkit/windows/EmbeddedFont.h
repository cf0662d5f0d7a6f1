// The toolkit library's own TrueType font (resource "TTF" 106) as a GDI+ family, for the tip
// windows that draw with it.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/GdiplusObject.h"

namespace Vantix {

class EmbeddedFont {
public:
    // Fills the collection with the font and family with its first family; false when either fails.
    // The family reads from the collection, which must outlive it.
    static bool Load(GdiplusObject<Gdiplus::PrivateFontCollection>& collection,
                     GdiplusObject<Gdiplus::FontFamily>& family);
};

} // namespace Vantix
