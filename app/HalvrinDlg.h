// app/HalvrinDlg.h: the main dialog: Start converts the log, Cancel ends the program.
#pragma once

#include "platform/CDialog.h"
#include "platform/CProgressCtrl.h"
#include "res/resource.h"

class CHalvrinDlg : public CDialog {
  public:
    enum { IDD = IDD_HALVRIN_DIALOG };

    explicit CHalvrinDlg(CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    // Message handlers
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnStartClicked();

    DECLARE_MESSAGE_MAP()

    HICON m_appIcon;
    CProgressCtrl m_progressBar;

    friend class DialogRunHost;
};
