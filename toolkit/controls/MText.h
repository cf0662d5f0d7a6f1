// Text label: draws its title with GDI+ in one line (cut at the edge) or wrapped over several.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "controls/MControlFont.h"
#include "core/CString.h"
#include "core/CStringException.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API MText : public MControlFont {
public:
    // Constructed disabled and responding.
    MText(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible);
    ~MText() override;

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;

    void EnableMultiLine(int on) { m_multiLine = on; }
    void EnableShadow(int on) { m_shadow = on; }
    void EnableVCenter(int on) { m_vCenter = on; }
    // The colour is taken only when the flag changes.
    void EnableTextBack(int on, Gdiplus::Color color);

    // The mark is stored only. A null mark or title throws CStringException(E_FAIL) here, in the
    // caller's module, so that no exception leaves the library.
    void SetMarkText(const wchar_t* mark) { SetMarkText(mark, m_markColor, m_markOption); }
    void SetMarkText(const wchar_t* mark, Gdiplus::Color color, int option) {
        ApplyMarkText(GetTitle(), Required(mark), color, option);
    }
    void SetTitleMarkText(const wchar_t* title, const wchar_t* mark, int option) {
        SetMarkText(title, mark, m_markColor, option);
    }
    void SetMarkText(const wchar_t* title, const wchar_t* mark, Gdiplus::Color color, int option) {
        ApplyMarkText(Required(title), mark, color, option);
    }
    int GetVirtualHeight();

protected:
    void DrawControl(HDC& dc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    int OnControlScroll(int count, UINT direction, CPoint point) override;

    int m_scrollBar;
    int m_scrollBarWidth;
    int m_shadow;
    int m_textBack;
    Gdiplus::Color m_textBackColor;
    Gdiplus::Color m_secondColor;
    Gdiplus::Color m_markColor;
    CString m_markText;
    int m_markOption;
    int m_multiLine;
    int m_vCenter;

private:
    static const wchar_t* Required(const wchar_t* text) {
        if (!text)
            throw CStringException(E_FAIL);
        return text;
    }
    // Stores what differs and then asks for a repaint; nothing when all is the same.
    void ApplyMarkText(CString title, CString mark, Gdiplus::Color color, int option);
    void RenderTitle(Gdiplus::Graphics& graphics, int width, int height);
};

} // namespace Vantix
