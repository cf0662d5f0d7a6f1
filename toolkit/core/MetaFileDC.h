// Owning holder of an enhanced-metafile recording DC: Close hands the recorded metafile over, a
// recording never closed is closed and discarded. Counted as a GDI object by LiveObjectCount.
#pragma once

#include <windows.h>

#include "core/LiveObjectCount.h"

namespace Vantix {

class MetaFileDC {
public:
    MetaFileDC() = default;
    MetaFileDC(const MetaFileDC&) = delete;
    MetaFileDC& operator=(const MetaFileDC&) = delete;
    ~MetaFileDC() { Reset(); }

    // Starts a recording in the units of reference (null: the screen); false when that fails.
    bool Create(HDC reference) {
        Reset();
        m_dc = ::CreateEnhMetaFileW(reference, nullptr, nullptr, nullptr);
        if (m_dc)
            LiveObjectCount::AddGdi();
        return m_dc != nullptr;
    }
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    // Ends the recording; the caller owns the metafile (DeleteEnhMetaFile) unless it hands it on.
    HENHMETAFILE Close() {
        if (!m_dc)
            return nullptr;
        HENHMETAFILE metafile = ::CloseEnhMetaFile(m_dc);
        m_dc = nullptr;
        LiveObjectCount::RemoveGdi();
        return metafile;
    }
    void Reset() {
        if (HENHMETAFILE metafile = Close())
            ::DeleteEnhMetaFile(metafile);
    }

private:
    HDC m_dc = nullptr;
};

} // namespace Vantix
