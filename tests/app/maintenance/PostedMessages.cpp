#include "PostedMessages.h"

PostedMessages::PostedMessages()
    : m_window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}

PostedMessages::~PostedMessages() {
    if (m_window)
        DestroyWindow(m_window);
}

std::vector<MSG> PostedMessages::Take(UINT message) {
    std::vector<MSG> messages;
    MSG msg;
    while (PeekMessageW(&msg, m_window, message, message, PM_REMOVE))
        messages.push_back(msg);
    return messages;
}

std::vector<LPARAM> PostedMessages::TakeValues(UINT message) {
    std::vector<LPARAM> values;
    for (const MSG& msg : Take(message))
        values.push_back(msg.lParam);
    return values;
}
