#include "relay/RelayCommandQueue.h"

void RelayCommandQueue::QueueCommand(int code) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_codes.push_back(code);
}

bool RelayCommandQueue::TakeCommand(int& code) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_codes.empty())
        return false;
    code = m_codes.front();
    m_codes.pop_front();
    return true;
}

size_t RelayCommandQueue::Size() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_codes.size();
}
