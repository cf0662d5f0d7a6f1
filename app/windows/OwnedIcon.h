// Owns one icon that was created for the application (not a shared resource icon) and destroys it once.
#pragma once

#include <windows.h>

class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) : m_icon(icon) {}
    ~OwnedIcon() { Reset(); }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;

    HICON Get() const { return m_icon; }
    void Reset(HICON icon = nullptr) {
        if (m_icon)
            DestroyIcon(m_icon);
        m_icon = icon;
    }

private:
    HICON m_icon = nullptr;
};
