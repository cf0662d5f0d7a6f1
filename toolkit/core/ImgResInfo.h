// An image shared by the controls of one window, owned by that window's host: loaded once per
// file name or resource id and cut into equal frames side by side.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "core/CString.h"
#include "core/GdiplusObject.h"
#include "core/VantixApi.h"

namespace Vantix {

struct VANTIX_API ImgResInfo {
    // Takes the image; a frame count below 1 counts as 1, so the frame width is always defined.
    ImgResInfo(GdiplusObject<Gdiplus::Image>&& loaded, int frames);

    GdiplusObject<Gdiplus::Image> image;
    int frameWidth = 0; // image width / frame count
    int height = 0;
    int frameCount = 0;
    CString fileName;    // the name it was requested by (file records)
    UINT resourceId = 0; // the id it was requested by (resource records)
};

} // namespace Vantix
