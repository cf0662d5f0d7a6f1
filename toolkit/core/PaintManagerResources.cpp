// PaintManager: the resources a window's controls share through their host: the embedded GDI font,
// private and installed GDI+ font families, and the image records.
#include "core/PaintManager.h"

#include <new>
#include <utility>

#include "controls/MRender.h"
#include "core/LibraryModule.h"
#include "core/Manager.h"
#include "core/ScopedLock.h"
#include "core/SkinPath.h"

namespace Vantix {

namespace {

const wchar_t kFontResourceType[] = L"ttf";

// The bytes of a resource of the toolkit library; they stay mapped as long as the library is loaded.
bool LibraryResource(UINT id, const wchar_t* type, const void*& data, DWORD& size) {
    HMODULE module = GetLibraryModule();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    data = loaded ? ::LockResource(loaded) : nullptr;
    size = resource ? ::SizeofResource(module, resource) : 0;
    return data && size;
}

// Only an image that GDI+ could decode.
GdiplusObject<Gdiplus::Image> Decoded(Gdiplus::Image* image) {
    GdiplusObject<Gdiplus::Image> held(image);
    if (held && held->GetLastStatus() != Gdiplus::Ok)
        held.Reset();
    return held;
}

} // namespace

// ---- fonts ----

void PaintManager::AddGDITempFont(UINT id) {
    const void* data = nullptr;
    DWORD size = 0;
    if (!LibraryResource(id, kFontResourceType, data, size))
        return;
    DWORD installed = 0;
    FontMemResource font(::AddFontMemResourceEx(const_cast<void*>(data), size, nullptr, &installed));
    if (!font.Get())
        return;
    ScopedLock lock(m_fontLock);
    try {
        m_gdiFonts.push_back(std::move(font));
    } catch (const std::bad_alloc&) {
        // The holder removes the font again.
    }
}

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* name, const wchar_t* file) {
    if (!name || !file)
        return nullptr;
    GdiplusObject<Gdiplus::PrivateFontCollection> collection(new Gdiplus::PrivateFontCollection());
    if (!collection || collection->AddFontFile(file) != Gdiplus::Ok)
        return nullptr;
    return StoreFirstFamily(name, std::move(collection));
}

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* name, UINT id) {
    const void* data = nullptr;
    DWORD size = 0;
    if (!name || !LibraryResource(id, kFontResourceType, data, size))
        return nullptr;
    GdiplusObject<Gdiplus::PrivateFontCollection> collection(new Gdiplus::PrivateFontCollection());
    if (!collection || collection->AddMemoryFont(data, static_cast<INT>(size)) != Gdiplus::Ok)
        return nullptr;
    return StoreFirstFamily(name, std::move(collection));
}

Gdiplus::FontFamily*
PaintManager::StoreFirstFamily(const wchar_t* name,
                               GdiplusObject<Gdiplus::PrivateFontCollection> collection) {
    if (collection->GetFamilyCount() < 1)
        return nullptr;
    TempFont font;
    font.family.Reset(new Gdiplus::FontFamily());
    INT found = 0;
    if (!font.family || collection->GetFamilies(1, font.family.Get(), &found) != Gdiplus::Ok || found < 1)
        return nullptr;
    // The family is only valid while its collection lives, so the two stay together.
    font.collection = std::move(collection);
    Gdiplus::FontFamily* family = font.family.Get();
    try {
        const CString key(name);
        ScopedLock lock(m_fontLock);
        // The old entry goes first, each family before its own collection.
        m_fonts.erase(key);
        m_fonts.emplace(key, std::move(font));
    } catch (...) {
        return nullptr;
    }
    return family;
}

Gdiplus::FontFamily* PaintManager::FindTempFont(const wchar_t*) {
    try {
        const CString key = Manager::GetFontName();
        ScopedLock lock(m_fontLock);
        auto found = m_fonts.find(key);
        if (found != m_fonts.end())
            return found->second.family.Get();
        TempFont font;
        font.family.Reset(new Gdiplus::FontFamily(key.GetString()));
        if (!font.family || font.family->GetLastStatus() != Gdiplus::Ok)
            return nullptr;
        Gdiplus::FontFamily* family = font.family.Get();
        m_fonts.emplace(key, std::move(font));
        return family;
    } catch (...) {
        return nullptr;
    }
}

void PaintManager::ClearTempFont() {
    ScopedLock lock(m_fontLock);
    m_fonts.clear();
    m_gdiFonts.clear();
}

// ---- image records ----

ImgResInfo* PaintManager::AddImgResInfo(const wchar_t* file, int frames) {
    if (!file)
        return nullptr;
    try {
        const CString name(file);
        ScopedLock lock(m_imageLock);
        auto found = m_fileImages.find(name);
        if (found != m_fileImages.end())
            return found->second.get();
        auto record =
            std::make_unique<ImgResInfo>(Decoded(MRender::LoadImageFromFile(GetSkinPath() + name)), frames);
        if (!record->image)
            return nullptr;
        record->fileName = name;
        ImgResInfo* result = record.get();
        m_fileImages.emplace(name, std::move(record));
        return result;
    } catch (...) {
        return nullptr;
    }
}

ImgResInfo* PaintManager::AddImgResInfo(UINT id, CString type, int frames, int fromApplication) {
    auto& records = fromApplication ? m_appImages : m_libImages;
    HINSTANCE module = fromApplication ? Manager::m_hInstance : GetLibraryModule();
    try {
        ScopedLock lock(m_imageLock);
        auto found = records.find(id);
        if (found != records.end())
            return found->second.get();
        auto record =
            std::make_unique<ImgResInfo>(Decoded(MRender::LoadImageFromIDResource(id, type, module)), frames);
        if (!record->image)
            return nullptr;
        record->resourceId = id;
        ImgResInfo* result = record.get();
        records.emplace(id, std::move(record));
        return result;
    } catch (...) {
        return nullptr;
    }
}

void PaintManager::ClearImgResInfo() {
    ScopedLock lock(m_imageLock);
    m_fileImages.clear();
    m_appImages.clear();
    m_libImages.clear();
}

} // namespace Vantix
