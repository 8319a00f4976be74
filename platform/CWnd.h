// platform/CWnd.h: a window: a non-owning handle plus the calls our dialogs make on it.
#pragma once

#include <windows.h>

#include "platform/CCmdTarget.h"
#include "platform/CMenu.h"

class CRect : public RECT {
  public:
    CRect() : RECT{0, 0, 0, 0} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    // A box owned by this window. `text` and `caption` are Windows-1251, like all our texts,
    // and are shown through the Unicode call, so they read right whatever the system's ANSI
    // code page. Without a caption the application's name is used.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK) const;

    // nullptr when the window has no system menu.
    CMenu* GetSystemMenu(BOOL revert);
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    // WM_SETICON: the big icon (title bar, Alt+Tab) or the small one.
    HICON SetIcon(HICON icon, BOOL big) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }

    HWND m_hWnd = nullptr;

  protected:
    // Lets the system's default processing handle the message being dispatched.
    void Default();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();

    // Runs the mapped handler for a message; false when there is none or it asked for Default.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  private:
    bool* m_defaultRequested = nullptr;  // of the message being dispatched, if any
    CMenu m_systemMenu;
};
