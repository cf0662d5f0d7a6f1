// Drop-target registration, the drag start of a control and the conversion of dropped pictures.
#include "core/PaintManager.h"

#include <shellapi.h>
#include <new>

#include "core/CDragSourceHelper.h"
#include "core/CIDataObject.h"
#include "core/CIDropSource.h"
#include "core/ComPtr.h"
#include "core/MemoryDC.h"
#include "core/MetaFileDC.h"
#include "core/WindowDC.h"

namespace Vantix {

namespace {

const UINT kDroppedFileNameLength = 520;

FORMATETC MakeFormat(CLIPFORMAT format, DWORD medium) {
    FORMATETC result = {format, nullptr, DVASPECT_CONTENT, -1, medium};
    return result;
}

// Offset of the pixels behind the header and colour table of a packed DIB of `available` bytes; 0 when
// the header is not one of a DIB whose pixels lie inside those bytes (dropped data comes from anywhere).
SIZE_T DibBitsOffset(const BITMAPINFOHEADER& header, SIZE_T available) {
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > available || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1)
        return 0;
    ULONGLONG colors = header.biClrUsed;
    if (colors == 0 && (header.biBitCount == 1 || header.biBitCount == 4 || header.biBitCount == 8))
        colors = 1ull << header.biBitCount;
    ULONGLONG table = colors * sizeof(RGBQUAD);
    bool uncompressed = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
        table += 3 * sizeof(DWORD);
    ULONGLONG pixels = header.biSizeImage;
    if (uncompressed) {
        ULONGLONG stride = (static_cast<ULONGLONG>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
        LONGLONG rows = header.biHeight;
        pixels = stride * static_cast<ULONGLONG>(rows < 0 ? -rows : rows);
    }
    ULONGLONG offset = header.biSize + table;
    if (pixels == 0 || offset + pixels > available)
        return 0;
    return static_cast<SIZE_T>(offset);
}

// Whether a DROPFILES name list ends (an empty name) inside its `bytes`.
template <class Char> bool NameListEnds(const BYTE* names, SIZE_T bytes) {
    const Char* text = reinterpret_cast<const Char*>(names);
    SIZE_T count = bytes / sizeof(Char);
    bool nameStart = true;
    for (SIZE_T i = 0; i < count; ++i) {
        if (text[i] == 0 && nameStart)
            return true;
        nameStart = text[i] == 0;
    }
    return false;
}

bool DropListIsWhole(HDROP drop) {
    HGLOBAL memory = reinterpret_cast<HGLOBAL>(drop);
    SIZE_T size = ::GlobalSize(memory);
    const DROPFILES* files = static_cast<const DROPFILES*>(::GlobalLock(memory));
    if (!files)
        return false;
    bool whole = size >= sizeof(DROPFILES) && files->pFiles >= sizeof(DROPFILES) && files->pFiles < size;
    if (whole) {
        const BYTE* names = reinterpret_cast<const BYTE*>(files) + files->pFiles;
        SIZE_T bytes = size - files->pFiles;
        whole = files->fWide ? NameListEnds<wchar_t>(names, bytes) : NameListEnds<char>(names, bytes);
    }
    ::GlobalUnlock(memory);
    return whole;
}

} // namespace

BOOL PaintManager::InitDragDrop() {
    if (m_dropTargetWnd && m_dropTargetWnd == m_hWnd)
        return TRUE;
    UninitDragDrop();
    if (FAILED(::RegisterDragDrop(m_hWnd, static_cast<IDropTarget*>(this))))
        return FALSE;
    m_dropTargetWnd = m_hWnd;
    if (m_formatetc.empty()) {
        const FORMATETC accepted[] = {MakeFormat(CF_BITMAP, TYMED_GDI), MakeFormat(CF_DIB, TYMED_HGLOBAL),
                                      MakeFormat(CF_HDROP, TYMED_HGLOBAL),
                                      MakeFormat(CF_ENHMETAFILE, TYMED_ENHMF)};
        for (FORMATETC format : accepted)
            AddSuportedFormat(format);
    }
    return TRUE;
}

void PaintManager::UninitDragDrop() {
    if (!m_dropTargetWnd)
        return;
    ::RevokeDragDrop(m_dropTargetWnd);
    m_dropTargetWnd = nullptr;
}

bool PaintManager::OnDrop(FORMATETC* format, STGMEDIUM* medium, DWORD*) {
    if (!format || !medium)
        return false;
    // A press that started a drag in this window ends with the drop.
    POINT cursor = {0, 0};
    ::GetCursorPos(&cursor);
    if (::IsWindow(m_hWnd))
        ::SendMessageW(m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(cursor.x, cursor.y));

    if (format->cfFormat == CF_DIB && medium->tymed == TYMED_HGLOBAL) {
        SendDroppedImage(CreateBitmapFromDIB(medium->hGlobal));
    } else if (format->cfFormat == CF_BITMAP && medium->tymed == TYMED_GDI) {
        if (medium->hBitmap && ::IsWindow(m_hWnd)) {
            // A bitmap with a release object stays its source's: the window gets a copy of it.
            if (medium->pUnkForRelease) {
                SendDroppedImage(GdiObject<HBITMAP>(
                    static_cast<HBITMAP>(::CopyImage(medium->hBitmap, IMAGE_BITMAP, 0, 0, 0))));
                return true;
            }
            SendDroppedImage(GdiObject<HBITMAP>(medium->hBitmap));
            return false;
        }
    } else if (format->cfFormat == CF_ENHMETAFILE && medium->tymed == TYMED_ENHMF) {
        SendDroppedImage(CreateBitmapFromMetaFile(medium->hEnhMetaFile, m_hWnd));
    } else if (format->cfFormat == CF_HDROP && medium->tymed == TYMED_HGLOBAL) {
        SendDroppedImage(LoadBitmapFromDrop(static_cast<HDROP>(medium->hGlobal)));
    }
    return true;
}

GdiObject<HBITMAP> PaintManager::CreateBitmapFromDIB(HGLOBAL packedDib) {
    GdiObject<HBITMAP> bitmap;
    if (!packedDib)
        return bitmap;
    SIZE_T available = ::GlobalSize(packedDib);
    const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(packedDib));
    if (!header)
        return bitmap;
    SIZE_T bitsOffset = available >= sizeof(BITMAPINFOHEADER) ? DibBitsOffset(*header, available) : 0;
    WindowDC screen;
    if (bitsOffset && screen.Acquire(nullptr)) {
        const BYTE* bits = reinterpret_cast<const BYTE*>(header) + bitsOffset;
        bitmap.Reset(::CreateDIBitmap(screen.Get(), header, CBM_INIT, bits,
                                      reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS));
    }
    ::GlobalUnlock(packedDib);
    return bitmap;
}

GdiObject<HBITMAP> PaintManager::CreateBitmapFromMetaFile(HENHMETAFILE metafile, HWND window) {
    GdiObject<HBITMAP> bitmap;
    ENHMETAHEADER header;
    WindowDC dc;
    if (!metafile || !::GetEnhMetaFileHeader(metafile, sizeof(header), &header) || !dc.Acquire(window))
        return bitmap;
    // The frame is kept in hundredths of a millimetre.
    int horizontal = ::GetDeviceCaps(dc.Get(), HORZSIZE) * 100;
    int vertical = ::GetDeviceCaps(dc.Get(), VERTSIZE) * 100;
    // The bounds are inclusive: a picture recorded from (0, 0) ends one pixel short of its size.
    int width = header.rclBounds.right + 1;
    int height = header.rclBounds.bottom + 1;
    if (horizontal <= 0 || vertical <= 0 || width <= 0 || height <= 0)
        return bitmap;
    int horzRes = ::GetDeviceCaps(dc.Get(), HORZRES);
    int vertRes = ::GetDeviceCaps(dc.Get(), VERTRES);
    RECT frame = {::MulDiv(header.rclFrame.left, horzRes, horizontal),
                  ::MulDiv(header.rclFrame.top, vertRes, vertical),
                  ::MulDiv(header.rclFrame.right, horzRes, horizontal),
                  ::MulDiv(header.rclFrame.bottom, vertRes, vertical)};
    MemoryDC memory;
    bitmap.Reset(::CreateCompatibleBitmap(dc.Get(), width, height));
    if (!bitmap || !memory.Create(dc.Get()))
        return GdiObject<HBITMAP>();
    memory.Select(bitmap.Get());
    ::PlayEnhMetaFile(memory.Get(), metafile, &frame);
    memory.Reset();
    return bitmap;
}

GdiObject<HBITMAP> PaintManager::LoadBitmapFromDrop(HDROP drop) {
    wchar_t name[kDroppedFileNameLength];
    if (!drop || !DropListIsWhole(drop) || ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0 ||
        ::DragQueryFileW(drop, 0, name, kDroppedFileNameLength) == 0)
        return GdiObject<HBITMAP>();
    return GdiObject<HBITMAP>(static_cast<HBITMAP>(
        ::LoadImageW(nullptr, name, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE | LR_LOADFROMFILE)));
}

void PaintManager::StartControlDrag() {
    RECT windowRect;
    if (::GetWindowRect(m_hWnd, &windowRect))
        ::ClipCursor(&windowRect);
    ::ReleaseCapture();
    m_captured = 0;

    GdiObject<HBITMAP> copy(static_cast<HBITMAP>(::CopyImage(m_dropBitmap.Get(), IMAGE_BITMAP, 0, 0, 0)));
    ComPtr<CIDropSource> source;
    ComPtr<CIDataObject> data;
    if (CIDropSource* newSource = new (std::nothrow) CIDropSource()) {
        newSource->AddRef();
        source.Attach(newSource);
    }
    if (CIDataObject* newData = source ? new (std::nothrow) CIDataObject(source.Get()) : nullptr) {
        newData->AddRef();
        data.Attach(newData);
    }
    BITMAP info;
    if (copy && data && ::GetObjectW(copy.Get(), sizeof(info), &info) &&
        OfferDropBitmap(*data.Get(), copy.Get())) {
        CDragSourceHelper helper;
        POINT cursor = {info.bmWidth / 2, info.bmHeight / 2};
        RECT rect = {0, 0, info.bmWidth, info.bmHeight};
        if (SUCCEEDED(helper.InitializeFromBitmap(copy.Get(), cursor, rect, data.Get(),
                                                  ::GetSysColor(COLOR_WINDOW))))
            copy.Detach(); // the system's drag image owns it now
        DWORD effect = DROPEFFECT_NONE;
        ::DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    }
    m_dragPending = 0;
    m_pressed = 0;
    ::ClipCursor(nullptr);
}

bool PaintManager::OfferDropBitmap(CIDataObject& data, HBITMAP copy) {
    FORMATETC bitmapFormat = MakeFormat(CF_BITMAP, TYMED_GDI);
    STGMEDIUM bitmapMedium = {};
    bitmapMedium.tymed = TYMED_GDI;
    bitmapMedium.hBitmap = copy;
    if (FAILED(data.SetData(&bitmapFormat, &bitmapMedium, FALSE)))
        return false;

    // The same picture as a metafile, for receivers that take no bitmaps.
    BITMAP info;
    MetaFileDC recorder;
    if (!::GetObjectW(copy, sizeof(info), &info) || !recorder.Create(GetPaintDC()))
        return true;
    {
        MemoryDC picture;
        if (picture.Create(GetPaintDC())) {
            picture.Select(copy);
            ::BitBlt(recorder.Get(), 0, 0, info.bmWidth, info.bmHeight, picture.Get(), 0, 0, SRCCOPY);
        }
    }
    FORMATETC metaFormat = MakeFormat(CF_ENHMETAFILE, TYMED_ENHMF);
    STGMEDIUM metaMedium = {};
    metaMedium.tymed = TYMED_ENHMF;
    metaMedium.hEnhMetaFile = recorder.Close();
    if (metaMedium.hEnhMetaFile && FAILED(data.SetData(&metaFormat, &metaMedium, TRUE)))
        ::DeleteEnhMetaFile(metaMedium.hEnhMetaFile);
    return true;
}

void PaintManager::SendDroppedImage(GdiObject<HBITMAP> bitmap) {
    if (!bitmap || !::IsWindow(m_hWnd))
        return;
    HBITMAP sent = bitmap.Detach();
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        ::SendMessageW(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(sent)));
    if (previous != sent)
        GdiObject<HBITMAP> released(previous);
}

} // namespace Vantix
