// One running copy per logon session: the first process holds the named mutex until it ends.
#pragma once

#include "shell/KernelHandle.h"

class SingleInstance {
public:
    explicit SingleInstance(const wchar_t* name);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the mutex already; this one must then leave it alone.
    bool IsFirst() const { return m_first; }

private:
    UniqueHandle m_mutex;
    bool m_first;
};
