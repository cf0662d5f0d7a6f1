// Owns one popup menu and destroys it once.
#pragma once

#include <windows.h>

class PopupMenu {
public:
    PopupMenu() : m_menu(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (m_menu)
            DestroyMenu(m_menu);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Get() const { return m_menu; }

private:
    HMENU m_menu;
};
