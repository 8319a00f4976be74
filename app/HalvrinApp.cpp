// app/HalvrinApp.cpp: start-up: common controls, the settings key, the modal main dialog.
#include "app/HalvrinApp.h"

#include <commctrl.h>

#include "app/HalvrinDlg.h"

// The platform's help command.
constexpr UINT ID_HELP = 0xE146;

BEGIN_MESSAGE_MAP(CHalvrinApp, CWinAppEx)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CHalvrinApp::CHalvrinApp() : CWinAppEx(TRUE) {}

// The one application object.
CHalvrinApp theApp;

BOOL CHalvrinApp::InitInstance() {
    // ICC_WIN95_CLASSES (0xFF) includes the progress bar.
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    CWinAppEx::InitInstance();
    AfxEnableControlContainer();
    // "Локальные приложения, созданные с помощью мастера приложений", in Windows-1251
    SetRegistryKey(
        "\xCB\xEE\xEA\xE0\xEB\xFC\xED\xFB\xE5 \xEF\xF0\xE8\xEB\xEE\xE6\xE5\xED\xE8\xFF, "
        "\xF1\xEE\xE7\xE4\xE0\xED\xED\xFB\xE5 \xF1 \xEF\xEE\xEC\xEE\xF9\xFC\xFE "
        "\xEC\xE0\xF1\xF2\xE5\xF0\xE0 \xEF\xF0\xE8\xEB\xEE\xE6\xE5\xED\xE8\xE9");

    CHalvrinDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // The dialog has closed: end the program rather than start a message loop.
    return FALSE;
}
