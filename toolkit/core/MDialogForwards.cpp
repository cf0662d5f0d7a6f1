// MDialog: the operations handed to the host unchanged (background, layering, overlays, scroll
// images, shadow, tooltip and high-resolution ticks).
#include "core/MDialog.h"

namespace Vantix {

void MDialog::EnableWndDrag(BOOL enable) {
    m_pm.EnableWndDrag(enable);
}

BOOL MDialog::LoadBKImage(CString file) {
    return m_pm.LoadBKImage(file);
}

BOOL MDialog::LoadBKImage(UINT id, CString type) {
    return m_pm.LoadBKImage(id, type);
}

void MDialog::SetBackMode(enumBackMode mode, int corner) {
    m_pm.SetBackMode(mode, corner);
}

void MDialog::SetLayeredWindow(BOOL layered) {
    m_pm.SetLayeredWindow(layered);
}

void MDialog::EnableDrawInfo(BOOL enable) {
    m_pm.EnableDrawInfo(enable);
}

void MDialog::SetProgress(int percent, CString text, CRect rect) {
    m_pm.SetProgress(percent, text, rect);
}

void MDialog::SetScrollResID(UINT vertical, UINT horizontal) {
    m_pm.SetScrollResID(vertical, horizontal);
}

void MDialog::CreateShadow(int show, bool force) {
    m_pm.CreateShadow(show, force);
}

int MDialog::SetSize(int size) {
    return m_pm.SetSize(size);
}

int MDialog::SetSharpness(UINT sharpness) {
    return m_pm.SetSharpness(sharpness);
}

int MDialog::SetDarkness(UINT darkness) {
    return m_pm.SetDarkness(darkness);
}

int MDialog::SetPosition(int x, int y) {
    return m_pm.SetPosition(x, y);
}

int MDialog::SetShadowColor(COLORREF color) {
    return m_pm.SetShadowColor(color);
}

void MDialog::SetShadowImage(const wchar_t* file, CRect corner) {
    m_pm.SetShadowImage(file, corner);
}

void MDialog::SetShadowImage(UINT id, CRect corner) {
    m_pm.SetShadowImage(id, corner);
}

void MDialog::SetShadowShow(BOOL show) {
    m_pm.SetShadowShow(show);
}

void MDialog::SetTooltip(CString text, CRect rect) {
    m_pm.SetTooltip(text.GetString(), rect);
}

void MDialog::ClearTooltip() {
    m_pm.ClearTooltip();
}

UINT MDialog::SetMTimer(UINT elapse) {
    return m_pm.SetMTimer(elapse);
}

void MDialog::KillMTimer(UINT id) {
    m_pm.KillMTimer(id);
}

} // namespace Vantix
