// A toolkit window for the tests: records what reaches its virtual handlers and lets a test answer
// chosen messages itself.
#pragma once

#include <windows.h>
#include <functional>
#include <vector>

#include "core/MWindow.h"

class RecordingWindow : public Vantix::MWindow {
public:
    // Returns true when it answered the message (in result); false passes it on.
    using Handler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    bool Received(UINT msg) const;
    // A plain popup window at rect, not shown.
    HWND CreatePopup(const RECT& rect, HWND owner = nullptr);

    Handler handler;
    // Messages the modal loop must not dispatch.
    UINT swallowed = 0;
    std::vector<UINT> messages;
    int initCalls = 0;
    HWND handleAtInit = nullptr;
    std::vector<HWND> destroyed;
    HWND handleAtDestroy = reinterpret_cast<HWND>(-1);
    LONG_PTR userDataAtDestroy = -1;
    HANDLE propertyAtDestroy = reinterpret_cast<HANDLE>(-1);
};

// The same window as a superclass of the system edit control.
class EditWindow : public RecordingWindow {
public:
    const wchar_t* GetWindowClassName() const override { return L"VantixTestEdit"; }
    const wchar_t* GetSuperClassName() const override { return L"Edit"; }
};
