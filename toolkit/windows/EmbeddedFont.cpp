#include "windows/EmbeddedFont.h"

#include "core/LibraryModule.h"

namespace Vantix {

namespace {

const UINT kFontResource = 106;

} // namespace

bool EmbeddedFont::Load(GdiplusObject<Gdiplus::PrivateFontCollection>& collection,
                        GdiplusObject<Gdiplus::FontFamily>& family) {
    family.Reset();
    collection.Reset();
    HMODULE module = GetLibraryModule();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kFontResource), L"TTF");
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    // Resource memory stays valid as long as the library is loaded, so the collection may read it.
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return false;
    collection.Reset(new Gdiplus::PrivateFontCollection());
    if (collection->AddMemoryFont(data, static_cast<INT>(SizeofResource(module, resource))) != Gdiplus::Ok)
        return false;
    family.Reset(new Gdiplus::FontFamily());
    INT found = 0;
    if (collection->GetFamilies(1, family.Get(), &found) != Gdiplus::Ok || found < 1) {
        family.Reset();
        return false;
    }
    return true;
}

} // namespace Vantix
