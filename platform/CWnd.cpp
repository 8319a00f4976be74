// platform/CWnd.cpp: message dispatch through the maps, and message boxes.
#include "platform/CWnd.h"

#include "platform/CWinApp.h"
#include "platform/TextCodePage.h"

int CWnd::MessageBox(const char* text, const char* caption, UINT type) const {
    if (caption == nullptr) {
        caption = AfxGetApp()->m_pszAppName;
    }
    return ::MessageBoxW(m_hWnd, WideFromText(text).c_str(), WideFromText(caption).c_str(), type);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    HMENU menu = ::GetSystemMenu(m_hWnd, revert);
    if (menu == nullptr) {
        return nullptr;
    }
    m_systemMenu.m_hMenu = menu;
    return &m_systemMenu;
}

void CWnd::Default() {
    if (m_defaultRequested != nullptr) {
        *m_defaultRequested = true;
    }
}

void CWnd::OnSysCommand(UINT /*id*/, LPARAM /*lParam*/) {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    const MessageMapEntry* entry = FindEntry(message, code, id);
    if (entry == nullptr) {
        // Commands nobody here handles go on to the application, as menu commands would.
        return message == WM_COMMAND && AfxGetApp()->OnCmdMsg(id, code);
    }
    // Handlers may send messages back to this window, so each dispatch keeps its own flag.
    bool defaultRequested = false;
    bool* outer = m_defaultRequested;
    m_defaultRequested = &defaultRequested;
    *result = 0;
    if (entry->onVoid != nullptr) {
        (this->*entry->onVoid)();
    } else if (entry->onUintLparam != nullptr) {
        (this->*entry->onUintLparam)(static_cast<UINT>(wParam), lParam);
    } else if (entry->onQueryIcon != nullptr) {
        *result = reinterpret_cast<LRESULT>((this->*entry->onQueryIcon)());
    }
    m_defaultRequested = outer;
    return !defaultRequested;
}
