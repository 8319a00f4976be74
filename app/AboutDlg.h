// app/AboutDlg.h: the About box, opened from the main dialog's system menu.
#pragma once

#include "platform/CDialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
  public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg() : CDialog(IDD) {}

  protected:
    DECLARE_MESSAGE_MAP()
};
