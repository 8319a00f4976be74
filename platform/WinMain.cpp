// platform/WinMain.cpp: the program's entry point, which hands over to the application object.
#include "platform/CWinApp.h"

// The application's main routine: the global application object was built before it runs.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    CWinApp* application = AfxGetApp();
    application->m_hInstance = instance;
    // A dialog application returns FALSE once its dialog has closed; there is no message loop
    // of its own to run, whatever InitInstance returns.
    application->InitInstance();
    return 0;
}
