#include "RecordingParent.h"

#include "core/PaintManager.h"

LRESULT RecordingParent::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    notifications.push_back({id, code, wParam, lParam});
    return 0;
}

int RecordingParent::OnControlUpdate(Vantix::CRect rect, int redraw, Vantix::MControl* control) {
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_updates.push_back({rect, redraw, control});
    }
    return m_host ? m_host->OnControlUpdate(rect, redraw, control) : 0;
}

std::vector<UpdateRequest> RecordingParent::Updates() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_updates;
}
