// MDialog: construction, the notification receiver, set-up and teardown of the host, closing with
// a result, the control entries and the operations with dialog logic of their own.
#include "core/MDialog.h"

namespace Vantix {

namespace {

// Default message box: 200 pixels wide, centred, 60 pixels up from the bottom of the client area.
const int kMessageHalfWidth = 100;
const int kMessageTop = 60;
const int kMessageBottom = 2;
const COLORREF kNoColorKey = 0xFFFFFF;
const int kOpaque = 255;

} // namespace

MDialog::MDialog() : m_colorKey(kNoColorKey), m_alpha(kOpaque), m_msgOffset(0), m_tooltipCtrlId(0) {}

MDialog::~MDialog() = default;

const wchar_t* MDialog::GetClassNameW() const {
    return L"MDialog";
}

LRESULT MDialog::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    return OnMessage(id, code, wParam, lParam);
}

int MDialog::OnControlUpdate(CRect rect, int redraw, MControl* control) {
    return m_pm.OnControlUpdate(rect, redraw, control);
}

BOOL MDialog::PreTranslateMessage(MSG* msg) {
    return m_pm.PreTranslateMessage(msg) ? TRUE : FALSE;
}

BOOL MDialog::OnInitDialog() {
    m_pm.Init(m_hWnd, this);
    GetClientRect(&m_clientRect);
    InitUI(m_clientRect);
    return TRUE;
}

void MDialog::OnDestroyMessage(HWND hwnd) {
    m_pm.OnDestroyMessage(hwnd);
    PostNcDestroy();
}

POINT MDialog::GetAirBladderPoint(MControl* control, UINT type) {
    POINT point = {0, 0};
    if (!control)
        return point;
    const CRect rect = control->GetRect();
    point.y = rect.bottom;
    switch (type) {
    case 1:
        point.x = rect.left + (rect.right - rect.left) / 2;
        break;
    case 2:
        point.x = rect.right;
        break;
    default:
        point.x = rect.left;
        break;
    }
    ClientToScreen(&point);
    return point;
}

void MDialog::OnMinimize() {
    ShowWindow(SW_MINIMIZE);
}

void MDialog::OnMaximize() {
    ShowWindow(IsValidWindow() && ::IsZoomed(m_hWnd) ? SW_RESTORE : SW_MAXIMIZE);
}

void MDialog::InitUI(CRect) {}

void MDialog::UISize(CRect) {}

LRESULT MDialog::OnMessage(UINT, UINT, WPARAM, LPARAM) {
    return 0;
}

LRESULT MDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

void MDialog::PostClose(WPARAM result) {
    PostMessageW(WM_TOOLKIT_CLOSE, result, 0);
}

void MDialog::DoOK() {
    PostClose(IDOK);
}

void MDialog::DoCancel() {
    PostClose(IDCANCEL);
}

void MDialog::DoClose() {
    PostClose(IDCANCEL);
}

void MDialog::DoYes() {
    PostClose(IDYES);
}

void MDialog::DoNo() {
    PostClose(IDNO);
}

MControl* MDialog::CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title,
                              int visible, int enabled) {
    return m_pm.CreateArea(static_cast<MObject*>(this), className, id, rect, title, visible, enabled);
}

MControl* MDialog::CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title,
                                 int visible, int enabled) {
    return m_pm.CreateControl(static_cast<MObject*>(this), className, id, rect, title, visible, enabled);
}

MControl* MDialog::GetControl(UINT id) {
    return m_pm.GetControl(id);
}

ControlList* MDialog::GetControls() {
    return m_pm.GetControls();
}

void MDialog::SetFocusControl(MControl* control) {
    m_pm.SetFocusControl(control);
}

void MDialog::SetMessage(CString text, CRect rect, MsgLevel level) {
    if (rect.IsRectEmpty()) {
        CRect client;
        if (IsValidWindow())
            GetClientRect(&client);
        const int middle = client.Width() / 2;
        rect = CRect(middle - kMessageHalfWidth, client.bottom - kMessageTop, middle + kMessageHalfWidth,
                     client.bottom - kMessageBottom);
        rect.OffsetRect(0, m_msgOffset);
    }
    m_pm.SetMessage(text, rect, level);
}

int MDialog::SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type) {
    // A null text would make the balloon throw, and nothing may leave the library as an exception.
    if (!text || point.x == 0 || point.y == 0)
        return 0;
    m_pm.SetAirBladderMsg(text, point, type, AIRBLADDER_MODE_BELOW);
    m_pm.ShowAirBladder(SW_SHOW, 0);
    return 1;
}

void MDialog::SetupBackTranslucent() {
    if (m_alpha != kOpaque) {
        ModifyExStyle(0, WS_EX_LAYERED, 0);
        ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(m_alpha), LWA_ALPHA);
    } else if (m_colorKey != kNoColorKey) {
        ModifyExStyle(0, WS_EX_LAYERED, 0);
        ::SetLayeredWindowAttributes(m_hWnd, m_colorKey, kOpaque, LWA_COLORKEY);
    }
}

void MDialog::SetupRegion(int) {}

} // namespace Vantix
