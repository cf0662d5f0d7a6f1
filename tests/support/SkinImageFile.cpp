#include "SkinImageFile.h"

#include "DibCanvas.h"
#include "core/SkinPath.h"

namespace {

// Tests run in parallel processes that share the skin folder: each gets files of its own.
std::wstring ProcessOwnName(const std::wstring& name) {
    const size_t dot = name.rfind(L'.');
    const std::wstring suffix = L"_" + std::to_wstring(::GetCurrentProcessId());
    return dot == std::wstring::npos ? name + suffix : name.substr(0, dot) + suffix + name.substr(dot);
}

} // namespace

SkinImageFile::SkinImageFile(const std::wstring& name, Gdiplus::Image& image)
    : m_name(ProcessOwnName(name)), m_path(std::wstring(Vantix::GetSkinPath().GetString()) + m_name),
      m_written(SavePng(image, m_path)) {}

SkinImageFile::~SkinImageFile() {
    ::DeleteFileW(m_path.c_str());
}
