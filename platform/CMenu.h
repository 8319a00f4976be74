// platform/CMenu.h: a menu handle and the one call we make on it.
#pragma once

#include <windows.h>

class CMenu {
  public:
    // `text` is Windows-1251, like all our texts, and goes in through the Unicode call so it
    // reads right whatever the system's ANSI code page.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

    HMENU m_hMenu = nullptr;
};
