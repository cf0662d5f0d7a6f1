// The relay worker's first-in, first-out queue of command codes. Any thread may push; the worker pops.
// The lock is held only for the push or pop itself, never while a command runs.
#pragma once

#include <deque>
#include <mutex>

class RelayCommandQueue {
public:
    void QueueCommand(int code);
    // Takes the front code; false when the queue is empty.
    bool TakeCommand(int& code);
    size_t Size() const;

private:
    mutable std::mutex m_lock;
    std::deque<int> m_codes;
};
