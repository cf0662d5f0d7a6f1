// Test support: a message-only window whose posted messages a test collects without dispatching them.
#pragma once

#include <windows.h>

#include <vector>

class PostedMessages {
public:
    PostedMessages();
    ~PostedMessages();
    PostedMessages(const PostedMessages&) = delete;
    PostedMessages& operator=(const PostedMessages&) = delete;

    HWND Window() const { return m_window; }
    // Removes and returns every queued message of that number, oldest first.
    std::vector<MSG> Take(UINT message);
    // The lParam values of Take(message).
    std::vector<LPARAM> TakeValues(UINT message);

private:
    HWND m_window;
};
