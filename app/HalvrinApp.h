// app/HalvrinApp.h: the application: shows the main dialog once, then lets the program end.
#pragma once

#include "platform/CWinApp.h"

class CHalvrinApp : public CWinAppEx {
  public:
    CHalvrinApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
