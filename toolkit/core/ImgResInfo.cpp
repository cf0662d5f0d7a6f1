// ImgResInfo: the frame geometry of a shared image.
#include "core/ImgResInfo.h"

#include <utility>

namespace Vantix {

ImgResInfo::ImgResInfo(GdiplusObject<Gdiplus::Image>&& loaded, int frames)
    : image(std::move(loaded)), frameCount(frames < 1 ? 1 : frames) {
    if (!image)
        return;
    frameWidth = static_cast<int>(image->GetWidth()) / frameCount;
    height = static_cast<int>(image->GetHeight());
}

} // namespace Vantix
