// A dialog for the tests: records which of its handlers ran, in order, and the notifications of
// its controls; the controls are built by a function the test gives before the window exists.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

#include "core/MDialog.h"

struct DialogNotification {
    UINT id;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
};

class TestDialog : public Vantix::MDialog {
public:
    // A popup window with its client area at screenRect (not shown); null when creation failed.
    HWND CreateAt(Vantix::CRect screenRect, DWORD style = WS_POPUP, DWORD exStyle = WS_EX_TOOLWINDOW);
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    // A mouse message with the client point packed into lParam.
    LRESULT Mouse(UINT msg, int x, int y, WPARAM keys = 0);
    BOOL PostMouse(UINT msg, int x, int y, WPARAM keys = 0);
    int Count(const std::string& handler) const;

    std::function<void(TestDialog&, Vantix::CRect)> buildControls; // called from InitUI
    std::function<LRESULT(TestDialog&, UINT id, UINT code)> onNotification;
    std::vector<std::string>* sharedLog = nullptr; // also receives the handler names
    std::vector<std::string> log;
    std::vector<DialogNotification> notifications;
    std::vector<Vantix::CRect> layouts; // the rectangles given to InitUI and UISize
    std::vector<UINT> timers;

    void InitUI(Vantix::CRect rect) override;
    void UISize(Vantix::CRect rect) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDown(UINT keys, Vantix::CPoint point) override;
    LRESULT OnLButtonUp(UINT keys, Vantix::CPoint point) override;
    LRESULT OnMouseMove(UINT keys, Vantix::CPoint point) override;
    void OnTimer(UINT id) override;
    LRESULT OnClose() override;
    LRESULT OnDestroy() override;
    LRESULT PostNcDestroy() override;

private:
    void Note(const std::string& handler);
};
