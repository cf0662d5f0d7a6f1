// Push button: a four-state image strip (normal, hover, pressed, disabled) drawn as nine-grid
// frames side by side in one surface, with a caption. Reports code 1 on press and 2 on click.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include "controls/MControlFont.h"
#include "core/GdiplusObject.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API MButton : public MControlFont {
public:
    enum State { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2, STATE_DISABLED = 3 };

    // Made disabled, it starts in the disabled state.
    MButton(MObject* parent, UINT id, CRect rect, const wchar_t* caption, int visible, int enabled);
    ~MButton() override;

    void SetFrameSize(int size) { m_frameSize = size; }
    void SetTextRect(CRect rect) { m_textRect = rect; }
    // Icon strip from the skin folder, drawn by the button family; TRUE when it loaded.
    BOOL SetIconImage(const wchar_t* name, int count);

protected:
    void DrawControl(HDC& dc, CRect clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    int m_state;
    int m_frameSize;
    GdiplusObject<Gdiplus::Image> m_iconImage;
    int m_iconWidth; // width of one cell of the icon strip
    int m_iconHeight;
    int m_iconCount;
    CRect m_iconRect;
    CRect m_textRect; // relative to the button; empty means the whole button

private:
    // 1 when the state changed; a change asks for a new copy of the surface.
    int ChangeState(int state);
    void RenderBackground(Gdiplus::Graphics& graphics, int width, int height);
    void RenderCaption(Gdiplus::Graphics& graphics, int width, int height);
};

} // namespace Vantix
