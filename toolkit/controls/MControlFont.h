// Second layer of most controls: a title, a font description, a text colour with its brush, the
// alignments, a cached GDI font and one image strip taken from the host's shared image records.
// It draws nothing itself; text, picture and button controls use these members in DrawControl.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "controls/MControl.h"
#include "core/CSize.h"
#include "core/CString.h"
#include "core/GdiObject.h"
#include "core/GdiplusObject.h"
#include "core/VantixApi.h"

namespace Vantix {

struct ImgResInfo;

class VANTIX_API MControlFont : public MControl {
public:
    MControlFont(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                 int responds);
    ~MControlFont() override;

    // Virtual slots 38 to 43.
    virtual void SetTextFont(CString name);
    // Replaces the brush; asks for no repaint.
    virtual void SetTextColor(Gdiplus::Color color);
    // Image strip of count cells from the host's records: a resource of the application, or a
    // file of the skin folder. FALSE without a host or when the image does not load.
    virtual BOOL SetImage(UINT id, CString type, int count);
    virtual BOOL SetImage(const wchar_t* name, int count);

protected:
    virtual void SetControlTitle(const wchar_t* title);
    virtual CString GetControlTitle();

public:
    void SetTitle(const wchar_t* title);
    CString GetTitle();

    // Alignment codes: horizontal 0 left, 1 centre, 2 right; vertical 0 top, 4 centre, 8 bottom.
    void SetAlignment(UINT horizontal);
    void SetVAlignment(UINT vertical);
    void SetAlignment(UINT horizontal, UINT vertical);
    void GetAlignment(UINT& horizontal, UINT& vertical) const;

    void SetFont(const wchar_t* name, int size, Gdiplus::FontStyle style);
    void SetFontWidth(int size) { m_fontSize = size; }
    int GetFontWidth() const { return m_fontSize; }
    void SetFontStyle(Gdiplus::FontStyle style) { m_fontStyle = style; }
    Gdiplus::FontStyle GetFontStyle() const { return m_fontStyle; }
    CString GetTextFont() const { return m_fontName; }
    Gdiplus::Color GetTextColor() const { return m_textColor; }
    void SetTextRenderingHint(Gdiplus::TextRenderingHint hint) { m_renderingHint = hint; }
    // A fresh clone of the host's family for the global font, owned by this control; null without host.
    Gdiplus::FontFamily* GetFontFamily(const wchar_t* name);
    // Cached GDI font of the global face, for controls that host real edit windows.
    HFONT GetGDIFont();
    void ClearGDIFont();

    void SetImageCount(int count) { m_imageCount = count; }
    CSize GetImageSize() const { return CSize(m_imageWidth, m_imageHeight); }
    CString GetImagePath() const { return m_imagePath; }

protected:
    CString m_title;
    CString m_fontName;
    CString m_imagePath;
    int m_fontSize;
    Gdiplus::Color m_textColor;
    GdiplusObject<Gdiplus::SolidBrush> m_textBrush;
    Gdiplus::FontStyle m_fontStyle;
    GdiplusObject<Gdiplus::FontFamily> m_fontFamily;
    UINT m_hAlign;
    UINT m_vAlign;
    Gdiplus::TextRenderingHint m_renderingHint;
    GdiObject<HFONT> m_gdiFont;
    Gdiplus::Image* m_image; // borrowed from the host's image record
    int m_imageWidth;        // width of one cell of the strip
    int m_imageHeight;
    int m_imageCount;

private:
    // Takes the image, cell size and count of a host record; FALSE for none.
    BOOL TakeImage(ImgResInfo* record);
    // Asks the parent to repaint the control, when it is visible.
    void RequestRepaint();
};

} // namespace Vantix
