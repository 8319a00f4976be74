// platform/CMenu.cpp: appending our texts to a menu.
#include "platform/CMenu.h"

#include "platform/TextCodePage.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    if (text == nullptr) {
        return ::AppendMenuW(m_hMenu, flags, id, nullptr);
    }
    return ::AppendMenuW(m_hMenu, flags, id, WideFromText(text).c_str());
}
