// platform/CDialog.h: a modal dialog on a template resource, dispatching through message maps.
#pragma once

#include <windows.h>

#include "platform/CWnd.h"

// Which way UpdateData is moving data, and the dialog it is for.
class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds `control` to the dialog's control `id`, once, so messages can be sent through it.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_parent(parent) {}

    // Shows the dialog and runs its modal loop; the value passed to EndDialog, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

    // Called when the dialog's window exists, before it is shown; TRUE lets the system put the
    // focus on the first control.
    virtual BOOL OnInitDialog();
    // IDOK (Enter, or the OK button without a map entry of its own): ends the dialog with IDOK.
    virtual void OnOK();
    // IDCANCEL (Esc, Cancel, the close box): ends the dialog with IDCANCEL.
    virtual void OnCancel();

  protected:
    virtual void DoDataExchange(CDataExchange* /*exchange*/) {}
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    DECLARE_MESSAGE_MAP()

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnOkCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    UINT m_templateId;
    CWnd* m_parent;
};
