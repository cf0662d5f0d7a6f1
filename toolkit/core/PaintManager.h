// Control host of one toolkit window: keeps the window's controls, dispatches its input to them,
// paints them into an off-screen image (copied or shown as a layered window) and offers them
// per-window services (timers, ticks, tooltip, balloon, shadow, caret, fonts, shared images).
//
// Implemented in four sources, one per section below:
//   PaintManager.cpp          set-up, teardown, registry, window operations, factory entries
//   PaintManagerInput.cpp     message entry, mouse, wheel, keys, focus order
//   PaintManagerDragDrop.cpp  drop-target registration, drag start and drop handling
//   PaintManagerPaint.cpp     painting, background, invalidation, drag image
//   PaintManagerOverlay.cpp   the info overlay and the message and progress overlay
//   PaintManagerServices.cpp  timers, ticks, tooltip, balloon, shadow, caret
//   PaintManagerResources.cpp fonts, image records
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <atomic>
#include <map>
#include <memory>
#include <vector>

#include "controls/MControl.h"
#include "core/CIDropTarget.h"
#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/CString.h"
#include "core/CriticalSection.h"
#include "core/FontMemResource.h"
#include "core/GdiObject.h"
#include "core/GdiplusObject.h"
#include "core/ImgResInfo.h"
#include "core/PaintBuffer.h"
#include "core/VantixApi.h"
#include "core/WindowDC.h"
#include "windows/MAirBladder.h"
#include "windows/MShadow.h"
#include "windows/RKTimer.h"

namespace Vantix {

class CIDataObject;
class MControlFont;
class MObject;
class MWindow;

// Background drawing of a host: the image stretched, or as a nine-grid frame; other values: none.
enum enumBackMode { BACK_STRETCH = 0, BACK_FRAME = 1 };

// Stored with an overlay message; every level looks the same.
enum MsgLevel { MSG_INFO = 0, MSG_WARNING = 1, MSG_ERROR = 2 };

class VANTIX_API PaintManager : public RKTimer, public CIDropTarget {
public:
    PaintManager();
    PaintManager(const PaintManager&) = delete;
    PaintManager& operator=(const PaintManager&) = delete;
    ~PaintManager() override;

    // ---- registry and input (PaintManager.cpp, PaintManagerInput.cpp) ----

    void Init(HWND hwnd, MWindow* owner);
    void OnDestroyMessage(HWND hwnd);
    void DestroyData();

    ControlList* GetControls() { return &m_controls; }
    MWindow* GetMDialog() const { return m_owner; }
    HWND GetPaintWnd() const { return m_hWnd; }
    HDC GetPaintDC() const { return m_paintDC.Get(); }
    MControl* GetControl(UINT id);
    // Takes ownership: gives the control this host and appends it to the area list (0) or the control
    // list (1). Any other list leaves it unattached and owned by the caller; the result is the control.
    MControl* AttachControl(UINT list, MControl* control);
    // Deletes a control of the control list (areas are not searched); 1 when it was found.
    int RemoveControl(MControl* control);
    void ClearAreaControls();
    void ClearControls();
    void ClearAllControls();
    void SetFocusControl(MControl* control);
    MControl* GetHoverControl() const { return m_hover; }
    MControl* GetFocusControl() const { return m_focus; }
    int IsCaptured() const { return m_captured; }
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();
    // Drops every pointer the host keeps into the control's subtree (hover, focus, ticks, control
    // timers). Whoever deletes a control of this host calls it first, holding no control-list lock.
    void ForgetControl(MControl* control);

    // Factory (list 0 areas, 1 controls; any other list: returned unattached, owned by the caller).
    MControl* CreateArea(MObject* parent, const wchar_t* className, UINT id, CRect rect, const wchar_t* text,
                         int visible, int enabled);
    MControl* CreateControl(MObject* parent, const wchar_t* className, UINT id, CRect rect,
                            const wchar_t* text, int visible, int enabled);
    MControl* CreateControl(UINT list, MObject* parent, const wchar_t* className, UINT id, CRect rect,
                            const wchar_t* text, int visible, int enabled);

    // Window operations: nothing (or 0) without a valid window.
    void SetCapture();
    void ReleaseCapture();
    LRESULT SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    // Sends (waits for the result) despite its name.
    LRESULT PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    void GetClientRect(CRect& rect);
    void GetWindowRect(CRect& rect);
    void GetClientSize(int& width, int& height);
    void SetCaptionRect(CRect rect) { m_captionRect = rect; }
    void GetCaptionRect(CRect& rect) const { rect = m_captionRect; }
    void SetWindowMaxSize(int width, int height);
    void GetWindowManSize(int& width, int& height) const;
    void SetWindowMixSize(int width, int height);
    void GetWindowMinSize(int& width, int& height) const;
    void EnableWndDrag(BOOL enable) { m_windowDrag = enable; }

    // Every message of the window, after the window object's own handlers.
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Tab focus order and tooltip relay for queued messages; nonzero when consumed.
    BOOL PreTranslateMessage(MSG* msg);
    int OnMouseMove(UINT keys, CPoint point);
    int OnMouseLeave();
    int OnLButtonDown(UINT keys, CPoint point);
    int OnLButtonUp(UINT keys, CPoint point);
    int OnLButtonDblClk(UINT keys, CPoint point);
    int OnRButtonDown(UINT keys, CPoint point);
    int OnRButtonUp(UINT keys, CPoint point);
    int OnRButtonDblClk(UINT keys, CPoint point);
    int OnNcActivate(BOOL active);
    int OnMouseWheel(UINT keys, short delta, CPoint screenPoint);
    int OnKeyDown(UINT vk, LPARAM flags);
    // A control asks for rect to be repainted, with everything painted above it.
    int OnControlUpdate(CRect rect, int redraw, MControl* control);

    // ---- drag and drop (PaintManagerDragDrop.cpp) ----

    // Registers the window as a drop target for pictures; 0 when OLE refuses.
    BOOL InitDragDrop();
    // Withdraws the registration; DestroyData calls it while the window still exists, since OLE keeps
    // a pointer to the host until then.
    void UninitDragDrop();
    // Hands the dropped picture to the window as STM_SETIMAGE; false when the window kept the medium.
    bool OnDrop(FORMATETC* format, STGMEDIUM* medium, DWORD* effect) override;

    // Conversions of dropped data into a new device-dependent bitmap (empty when the data does not
    // convert): a packed DIB in global memory, a metafile played at its frame size in window's
    // pixels, the first file of a file drop loaded as a bitmap file.
    static GdiObject<HBITMAP> CreateBitmapFromDIB(HGLOBAL packedDib);
    static GdiObject<HBITMAP> CreateBitmapFromMetaFile(HENHMETAFILE metafile, HWND window);
    static GdiObject<HBITMAP> LoadBitmapFromDrop(HDROP drop);

    // ---- painting (PaintManagerPaint.cpp, PaintManagerOverlay.cpp) ----

    void SetBackMode(enumBackMode mode, int corner);
    void SetBackColor(COLORREF inner, COLORREF border);
    BOOL LoadBKImage(CString file);
    BOOL LoadBKImage(UINT id, CString type);
    void SetLayeredWindow(BOOL layered) { m_layered = layered; }
    BOOL IsLayered() const { return m_layered; }
    void EnableDrawInfo(BOOL enable) { m_drawInfo = enable; }
    void Invalidate();
    // Layered windows always invalidate the whole client area, with erase.
    void InvalidateRect(CRect rect, BOOL erase);
    void SetMessage(CString text, CRect rect, MsgLevel level);
    void SetProgress(int percent, CString text, CRect rect);
    int OnPaint();
    // The client image a paint pass shows, composed for the update rectangle (clipped to the client
    // area) into a new buffer of the client size; empty without a window or a client area.
    PaintBuffer RenderFrame(CRect update);
    void DrawBackImage(Gdiplus::Graphics& graphics, CRect rect);
    void DrawControl(HDC dc, CRect rect);
    // A new bitmap with part of the control's image (the caller owns it); null for a null control.
    HBITMAP GetDropBitmap(MControl* control, CRect rect, COLORREF unused);
    int OnNcPaint();
    int OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);

    // ---- services (PaintManagerServices.cpp, PaintManagerResources.cpp) ----

    // Control timers: system timers on the host window, one per control and key.
    int SetTimer(MControl* control, UINT key, UINT elapse);
    int KillTimer(MControl* control, UINT key);
    void KillTimer(MControl* control);
    void ClearTimers();
    void OnTimer(UINT id);

    // High-resolution ticks through the RKTimer base.
    using RKTimer::OnMTimer;
    UINT SetMTimer(UINT elapse);
    void KillMTimer(UINT id);
    void KillMTimer();
    int AddMTimer(MControl* control);
    int DeleteFSTimer(MControl* control);

    // The window's single tooltip.
    void SetTooltip(const wchar_t* text, CRect rect);
    void ClearTooltip();
    HWND GetToolTipWnd() const { return m_hWnd; }
    void SetTooltipCtrlID(int id) { m_tooltipCtrlId = id; }
    int GetTooltipCtrlID() const { return m_tooltipCtrlId; }

    // Balloon tip.
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode);
    int ShowAirBladder(int show, int owner);

    // Drop shadow.
    void CreateShadow(int show, bool force);
    int SetSize(int size);
    int SetSharpness(UINT sharpness);
    int SetDarkness(UINT darkness);
    int SetPosition(int x, int y);
    int SetShadowColor(COLORREF color);
    void SetShadowImage(const wchar_t* file, CRect corner);
    void SetShadowImage(UINT id, CRect corner);
    void SetShadowShow(BOOL show);
    void DisableShadow(BOOL disable);

    // Caret drawn into the paint buffer for text controls (the rich edit): in the owner's text
    // colour while the owner and the window have the focus.
    int CreateCaret(HBITMAP bitmap, int width, int height);
    int SetCaretPos(MControlFont* owner, int x, int y);
    int ShowCaret(BOOL show);
    void DrawCaret(HDC dc, CRect rect);
    MControlFont* GetCurrentCaretObject() const { return m_caretObject; }

    // Fonts; families stay owned by the host.
    void AddGDITempFont(UINT id);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* name, const wchar_t* file);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* name, UINT id);
    // Always resolves the toolkit's global font name, whatever name it is given.
    Gdiplus::FontFamily* FindTempFont(const wchar_t* name);
    void ClearTempFont();

    // Image records shared by the window's controls; they stay owned by the host.
    ImgResInfo* AddImgResInfo(const wchar_t* file, int frames);
    ImgResInfo* AddImgResInfo(UINT id, CString type, int frames, int fromApplication);
    void ClearImgResInfo();

    void SetScrollResID(UINT vertical, UINT horizontal);
    UINT GetScrollVID() const { return m_scrollVID; }
    UINT GetScrollHID() const { return m_scrollHID; }
    COLORREF GetDefaultEnabledColor() const { return m_defaultEnabledColor; }
    void SetDefaultEnabledColor(COLORREF color) { m_defaultEnabledColor = color; }

protected:
    void OnMTimer(UINT id) override;

private:
    // ---- drag and drop ----

    // OLE drag of the hover control, from the mouse-move handler while a drag is pending.
    void StartControlDrag();
    // Stores the drop bitmap in the data object as a bitmap and as an enhanced metafile.
    bool OfferDropBitmap(CIDataObject& data, HBITMAP copy);
    // STM_SETIMAGE to the window, which takes the bitmap; a bitmap it gives back is deleted.
    void SendDroppedImage(GdiObject<HBITMAP> bitmap);

    HWND m_dropTargetWnd = nullptr; // the window registered with RegisterDragDrop, or null

    // ---- registry and input ----

    bool IsWindowValid() const;
    // 18 Alt, else 16 Shift, else 0; ORed with 17 when Ctrl is down.
    static UINT ModifierCode();
    // Walks the control list forwards (or backwards) for the next visible, enabled tab stop.
    MControl* FindFocusable(bool forwards);
    // Moves the list out under its lock; the caller forgets and deletes the controls unlocked.
    static ControlList TakeAll(ControlList& list, CriticalSection& lock);
    void ForgetControls(const ControlList& controls);
    void ForgetSubtree(const std::vector<MControl*>& subtree);
    // Marks the controls of the list painted after control (and overlapping rect) for re-rendering.
    void AddControlsAbove(ControlList& list, CriticalSection& lock, MControl* control, CRect rect,
                          bool& met, CRect& dirty);
    // The hover control is visible, takes mouse input and accepts the point.
    int HoverAccepts(UINT keys, CPoint point) const;
    // The shared steps of the left and right button handlers.
    int OnButtonDown(UINT keys, CPoint point, bool left);
    int OnButtonUp(UINT keys, CPoint point, bool left);
    int OnButtonDblClk(UINT keys, CPoint point, bool left);

    MWindow* m_owner; // borrowed: the window object that owns the host
    int m_initialised;
    HWND m_hWnd;
    WindowDC m_paintDC; // taken by Init, given back by DestroyData
    CRect m_captionRect;
    int m_maxWidth;
    int m_maxHeight;
    int m_minWidth;
    int m_minHeight;
    int m_dragX;
    int m_dragY;
    int m_dragPending;
    GdiObject<HBITMAP> m_dropBitmap;
    int m_mouseTracking;
    int m_pressed;
    int m_captured;
    int m_windowDrag;
    MControl* m_hover; // borrowed
    MControl* m_focus; // borrowed

    // ---- painting ----

    // The host's own window timers; control timers never get these ids.
    enum HostTimer : UINT {
        TIMER_MESSAGE_HOLD = 66,
        TIMER_MESSAGE_FADE = 88,
        TIMER_PROGRESS = 99,
        TIMER_CARET = 6553
    };

    // Message overlay steps on the host's timers 66 (hold), 88 (fade) and 99 (progress).
    void OnMessageHoldTimer();
    void OnMessageFadeTimer();
    void OnProgressTimer();

    // The rectangle to repaint: the update region's box or, for a layered window whose repaint was
    // asked for without one, the whole client area. False when there is nothing to paint.
    bool TakeUpdateRect(CRect& update);
    // Layered windows may get no WM_PAINT from an invalidation alone: force one.
    void InvalidateLayered();
    void DrawBackground(Gdiplus::Graphics& graphics, const CRect& client);
    // The info and message overlays, drawn through GDI+ so that their text keeps its alpha.
    void DrawOverlays(PaintBuffer& frame, const CRect& client);
    void DrawInfo(Gdiplus::Graphics& graphics, const CRect& client);
    void DrawMessage(Gdiplus::Graphics& graphics);
    void Present(const PaintBuffer& frame, HDC paintDC, const CRect& update);

    COLORREF m_innerColor;
    COLORREF m_borderColor;
    int m_layered;
    GdiplusObject<Gdiplus::Image> m_bkImage;
    int m_bkWidth;
    int m_bkHeight;
    CString m_msgText;
    MsgLevel m_msgLevel;
    int m_msgAlpha;
    int m_progressShown;
    int m_progressTarget;
    CString m_msgFontName;
    CRect m_msgRect;
    int m_drawInfo;
    enumBackMode m_backMode;
    int m_backParam;
    std::atomic<int> m_layeredPending{0}; // a layered repaint was asked for (any thread)

    // ---- services ----

    struct TimerEntry {
        HWND window;
        UINT key;          // the control's own name for the timer
        UINT systemId;     // the id given to SetTimer on the window
        BOOL killed;       // the entry stays and can be re-armed
        MControl* control; // borrowed
    };

    // A font family and, for a private font, the collection it comes from, which must outlive it.
    struct TempFont {
        GdiplusObject<Gdiplus::PrivateFontCollection> collection;
        GdiplusObject<Gdiplus::FontFamily> family;
    };

    void CaretBlink();
    // The next system id for a control timer that no timer of this window holds and that is not one
    // of the host's own; false when every id is taken.
    bool NextTimerId(UINT& id);
    // These expect the timer lock to be held.
    TimerEntry* FindTimer(MControl* control, UINT key);
    MControl* FindTimerControl(UINT systemId);
    void CreateTooltip(const wchar_t* text);
    void UpdateTooltipText(const wchar_t* text);
    void CreateAirBladder();
    // Copies the first family of the collection into the font map under name.
    Gdiplus::FontFamily* StoreFirstFamily(const wchar_t* name,
                                          GdiplusObject<Gdiplus::PrivateFontCollection> collection);

    MShadow m_shadow;
    std::atomic<UINT> m_tickTimerId; // read by ticks on the timer thread
    UINT m_timerIdCounter;
    UINT m_scrollVID;
    UINT m_scrollHID;
    COLORREF m_defaultEnabledColor;
    int m_tooltipCtrlId;
    HWND m_hTooltip; // created on first use, destroyed by the destructor
    std::unique_ptr<MAirBladder> m_airBladder;
    int m_airBladderOwner;
    CRect m_caretRect;
    int m_caretDrawn;
    int m_caretShown;
    MControlFont* m_caretObject; // borrowed
    std::map<CString, std::unique_ptr<ImgResInfo>> m_fileImages;
    std::map<UINT, std::unique_ptr<ImgResInfo>> m_appImages;
    std::map<UINT, std::unique_ptr<ImgResInfo>> m_libImages;
    CriticalSection m_imageLock;
    std::vector<std::unique_ptr<TimerEntry>> m_timers;
    CriticalSection m_timerLock;
    std::map<CString, TempFont> m_fonts;
    std::vector<FontMemResource> m_gdiFonts;
    CriticalSection m_fontLock;

    // ---- the control vectors and their locks (registry) ----

    ControlList m_areaControls;
    ControlList m_controls;
    std::vector<MControl*> m_tickControls; // borrowed: controls of the lists above
    CriticalSection m_areaLock;
    CriticalSection m_controlLock;
    CriticalSection m_tickLock;
};

} // namespace Vantix
