// Image and icon loading.
#include "controls/MRender.h"

#include <objbase.h>
#include <shellapi.h>
#include <cstring>

#include "core/ComPtr.h"
#include "core/GdiplusObject.h"
#include "core/Manager.h"

namespace Vantix {

namespace {

// Null unless GDI+ decoded the image.
Gdiplus::Image* Checked(Gdiplus::Image* image) {
    GdiplusObject<Gdiplus::Image> held(image);
    if (!held || held->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    return held.Detach();
}

// A stream over a copy of the bytes; the stream frees the copy when its last reference goes, and
// the image keeps a reference for as long as it reads from it.
bool OpenCopyStream(const void* data, DWORD size, ComPtr<IStream>& stream) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
    if (!block)
        return false;
    memcpy(block, data, size);
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.Put()))) {
        GlobalFree(block);
        return false;
    }
    return true;
}

} // namespace

Gdiplus::Image* MRender::LoadImageFromFile(CString path) {
    return Checked(new Gdiplus::Image(path.GetString(), FALSE));
}

Gdiplus::Image* MRender::LoadImageFromFileEx(CString path, int width, int height) {
    GdiplusObject<Gdiplus::Image> full(LoadImageFromFile(path));
    if (!full)
        return nullptr;
    if (width == 0 && height == 0) {
        width = static_cast<int>(full->GetWidth());
        height = static_cast<int>(full->GetHeight());
    }
    return Checked(full->GetThumbnailImage(width, height, nullptr, nullptr));
}

Gdiplus::Image* MRender::LoadImageFromIDResource(UINT id, CString type, HINSTANCE module) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type.GetString());
    if (!resource)
        return nullptr;
    DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    ComPtr<IStream> stream;
    if (!data || size == 0 || !OpenCopyStream(data, size, stream))
        return nullptr;
    return new Gdiplus::Image(stream.Get(), FALSE);
}

HICON MRender::LoadIconFromFile(CString path) {
    // The call may write the path of the icon's source back into the buffer.
    wchar_t buffer[MAX_PATH] = {};
    lstrcpynW(buffer, path.GetString(), MAX_PATH);
    WORD index = 0;
    return ExtractAssociatedIconW(Manager::m_hInstance, buffer, &index);
}

} // namespace Vantix
