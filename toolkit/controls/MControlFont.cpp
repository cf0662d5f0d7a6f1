#include "controls/MControlFont.h"

#include <algorithm>

#include "core/ImgResInfo.h"
#include "core/Manager.h"
#include "core/PaintManager.h"

namespace Vantix {

namespace {

const UINT kAlignLeft = 0;
const UINT kAlignVCentre = 4;
// Bold adds this to the stock weight; GDI weights end at 1000.
const LONG kBoldExtraWeight = 700;
const LONG kHeaviestWeight = 1000;

} // namespace

MControlFont::MControlFont(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible,
                           int enabled, int responds)
    : MControl(parent, id, rect, visible, enabled, responds), m_title(title),
      m_fontName(Manager::GetFontName()), m_fontSize(Manager::m_fontwidth), m_textColor(0xFFFFFFFF),
      m_textBrush(new Gdiplus::SolidBrush(m_textColor)), m_fontStyle(Gdiplus::FontStyleRegular),
      m_hAlign(kAlignLeft), m_vAlign(kAlignVCentre),
      m_renderingHint(Gdiplus::TextRenderingHintClearTypeGridFit), m_image(nullptr), m_imageWidth(0),
      m_imageHeight(0), m_imageCount(4) {}

MControlFont::~MControlFont() = default;

void MControlFont::SetTextFont(CString name) {
    m_fontName = name;
}

void MControlFont::SetTextColor(Gdiplus::Color color) {
    m_textBrush.Reset();
    m_textColor = color;
    m_textBrush.Reset(new Gdiplus::SolidBrush(m_textColor));
}

BOOL MControlFont::SetImage(UINT id, CString type, int count) {
    if (!m_manager || count < 1)
        return FALSE;
    return TakeImage(m_manager->AddImgResInfo(id, type, count, 1));
}

BOOL MControlFont::SetImage(const wchar_t* name, int count) {
    if (!m_manager || count < 1)
        return FALSE;
    return TakeImage(m_manager->AddImgResInfo(name, count));
}

// The record's own frame count stays with its cell width, whatever count a later control asks for.
BOOL MControlFont::TakeImage(ImgResInfo* record) {
    if (!record)
        return FALSE;
    m_imageCount = record->frameCount;
    m_image = record->image.Get();
    m_imageWidth = record->frameWidth;
    m_imageHeight = record->height;
    RequestRepaint();
    return TRUE;
}

void MControlFont::SetControlTitle(const wchar_t* title) {
    m_title = title;
}

CString MControlFont::GetControlTitle() {
    return m_title;
}

void MControlFont::SetTitle(const wchar_t* title) {
    ClearGDIFont();
    SetControlTitle(title);
    RequestRepaint();
}

CString MControlFont::GetTitle() {
    return GetControlTitle();
}

void MControlFont::SetAlignment(UINT horizontal) {
    if (horizontal == m_hAlign)
        return;
    m_hAlign = horizontal;
    RequestRepaint();
}

void MControlFont::SetVAlignment(UINT vertical) {
    if (vertical == m_vAlign)
        return;
    m_vAlign = vertical;
    RequestRepaint();
}

void MControlFont::SetAlignment(UINT horizontal, UINT vertical) {
    if (horizontal == m_hAlign && vertical == m_vAlign)
        return;
    m_hAlign = horizontal;
    m_vAlign = vertical;
    RequestRepaint();
}

void MControlFont::GetAlignment(UINT& horizontal, UINT& vertical) const {
    horizontal = m_hAlign;
    vertical = m_vAlign;
}

void MControlFont::SetFont(const wchar_t* name, int size, Gdiplus::FontStyle style) {
    m_fontName = name;
    m_fontSize = size;
    m_fontStyle = style;
}

Gdiplus::FontFamily* MControlFont::GetFontFamily(const wchar_t* name) {
    if (!m_manager)
        return nullptr;
    Gdiplus::FontFamily* shared = m_manager->FindTempFont(name);
    m_fontFamily.Reset(shared ? shared->Clone() : nullptr);
    return m_fontFamily.Get();
}

HFONT MControlFont::GetGDIFont() {
    if (m_gdiFont)
        return m_gdiFont.Get();
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    lstrcpynW(font.lfFaceName, Manager::GetFontName().GetString(), LF_FACESIZE);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = -m_fontSize;
    if (m_fontStyle & Gdiplus::FontStyleBold)
        font.lfWeight = std::min(font.lfWeight + kBoldExtraWeight, kHeaviestWeight);
    if (m_fontStyle & Gdiplus::FontStyleItalic)
        font.lfItalic = 1;
    if (m_fontStyle & Gdiplus::FontStyleUnderline)
        font.lfUnderline = 1;
    m_gdiFont.Reset(CreateFontIndirectW(&font));
    return m_gdiFont.Get();
}

void MControlFont::ClearGDIFont() {
    m_gdiFont.Reset();
}

void MControlFont::RequestRepaint() {
    if (m_visible && m_parent)
        m_parent->OnControlUpdate(m_rect, 1, this);
}

} // namespace Vantix
