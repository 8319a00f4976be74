// platform/CWinApp.h: the application object: one global instance, started by WinMain.
#pragma once

#include <windows.h>

#include <string>

#include "platform/CCmdTarget.h"
#include "platform/CWnd.h"

class CWinThread : public CCmdTarget {
  public:
    CWnd* m_pMainWnd = nullptr;
};

class CWinApp : public CWinThread {
  public:
    // Registers this object as the application; construct exactly one, as a global.
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once by WinMain. FALSE ends the program at once, as a dialog application does when
    // its dialog has closed.
    virtual BOOL InitInstance() { return TRUE; }

    HICON LoadIcon(UINT id) const;
    // Help for the application. There is no help file, so nothing is shown.
    void OnHelp() {}

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr;      // the exe's name without its extension
    const char* m_pszRegistryKey = nullptr;  // recorded; the program stores nothing under it

  protected:
    // Records the settings key. Nothing is read from or written to the registry.
    void SetRegistryKey(const char* key);

  private:
    std::string m_appName;
    std::string m_registryKey;
};

class CWinAppEx : public CWinApp {
  public:
    // The flag would ask for resources to be updated in place; there is nothing to update here.
    explicit CWinAppEx(BOOL /*resourceSmartUpdate*/ = FALSE) {}
};

CWinApp* AfxGetApp();
// There are no ActiveX controls in our dialogs, so there is nothing to enable.
inline void AfxEnableControlContainer() {}
