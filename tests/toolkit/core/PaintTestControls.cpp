#include "PaintTestControls.h"

#include "core/GdiObject.h"
#include "core/PaintManager.h"
#include "core/SkinPath.h"
#include "support/DibCanvas.h"

#include <list>

using Vantix::CRect;

GdiBoxControl::GdiBoxControl(Vantix::MObject* parent, UINT id, CRect rect, COLORREF color)
    : MControl(parent, id, rect, 1, 1, 1), color(color) {}

void GdiBoxControl::DrawControl(HDC& dc, CRect) {
    ++draws;
    Vantix::GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
    ::FillRect(dc, &m_rect, brush.Get());
}

ResourceControl::ResourceControl(Vantix::MObject* parent, UINT id, CRect rect, const wchar_t* imageFile)
    : MControl(parent, id, rect, 1, 1, 1), m_imageFile(imageFile ? imageFile : L"") {}

void ResourceControl::InitControl(Vantix::PaintManager* host) {
    if (!host || m_imageFile.empty())
        return;
    if (Vantix::ImgResInfo* record = host->AddImgResInfo(m_imageFile.c_str(), 1))
        m_image = record->image.Get();
}

void ResourceControl::DrawControl(HDC& dc, CRect) {
    UpdateMemDC(dc, m_rect.Width(), m_rect.Height());
    Gdiplus::Graphics graphics(dc);
    if (m_image)
        graphics.DrawImage(m_image, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    Gdiplus::FontFamily* family = m_manager ? m_manager->FindTempFont(L"Arial") : nullptr;
    if (!family)
        return;
    Gdiplus::Font font(family, 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush ink(Gdiplus::Color(255, 20, 20, 20));
    graphics.DrawString(L"Aa", -1, &font,
                        Gdiplus::PointF(static_cast<float>(m_rect.left), static_cast<float>(m_rect.top)),
                        &ink);
}

int ResourceControl::OnControlTimer() {
    ++ticks;
    return 1;
}

TimerKillingControl::TimerKillingControl(Vantix::MObject* parent, UINT id, CRect rect)
    : MControl(parent, id, rect, 1, 1, 1) {}

int TimerKillingControl::OnControlTimer() {
    ++ticks;
    m_manager->KillTimer(this);
    return 1;
}

bool SaveSkinImage(const wchar_t* name, Gdiplus::Bitmap& bitmap) {
    Vantix::CString path = Vantix::GetSkinPath() + Vantix::CString(name);
    return SavePng(bitmap, path.GetString());
}

const wchar_t* ProcessSkinName(const wchar_t* name) {
    static std::list<std::wstring> names;
    std::wstring text(name);
    size_t dot = text.rfind(L'.');
    text.insert(dot == std::wstring::npos ? text.size() : dot,
                L"_" + std::to_wstring(::GetCurrentProcessId()));
    names.push_back(text);
    return names.back().c_str();
}

void DeleteSkinImage(const wchar_t* name) {
    Vantix::CString path = Vantix::GetSkinPath() + Vantix::CString(name);
    ::DeleteFileW(path.GetString());
}

bool SaveFrameArtifact(const Vantix::PaintBuffer& frame, const std::wstring& name) {
    Vantix::GdiplusObject<Gdiplus::Bitmap> view = frame.CreateView();
    if (!view)
        return false;
    ::CreateDirectoryW(L"..\\artifacts", nullptr);
    return SavePng(*view.Get(), L"..\\artifacts\\" + name);
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(1);
    } while (::GetTickCount() - start < milliseconds);
}
