// The parent object of test controls: records their repaint requests and notifications, and hands
// the repaint requests on to a host when it has one (as a dialog does).
#pragma once

#include <windows.h>
#include <mutex>
#include <vector>

#include "core/CRect.h"
#include "core/MObject.h"

namespace Vantix {
class PaintManager;
}

struct UpdateRequest {
    Vantix::CRect rect;
    int redraw;
    Vantix::MControl* control;
};

struct Notification {
    UINT id;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingParent : public Vantix::MObject {
public:
    explicit RecordingParent(Vantix::PaintManager* host = nullptr) : m_host(host) {}

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    int OnControlUpdate(Vantix::CRect rect, int redraw, Vantix::MControl* control) override;

    std::vector<UpdateRequest> Updates();
    std::vector<Notification> notifications;

private:
    Vantix::PaintManager* m_host; // borrowed
    std::mutex m_lock;            // repaint requests may come from the timer thread
    std::vector<UpdateRequest> m_updates;
};
