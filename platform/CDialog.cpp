// platform/CDialog.cpp: the modal loop's dialog procedure and the default OK and Cancel.
#include "platform/CDialog.h"

#include "platform/CWinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOkCommand)
ON_COMMAND(IDCANCEL, &CDialog::OnCancelCommand)
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.m_hWnd = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
    }
}

INT_PTR CDialog::DoModal() {
    // Without a parent of its own a dialog belongs to the main window, so it stays above it and
    // disables it while open.
    CWnd* mainWindow = AfxGetApp()->m_pMainWnd;
    CWnd* parent = m_parent != nullptr ? m_parent : (mainWindow != this ? mainWindow : nullptr);
    HWND owner = parent != nullptr ? parent->m_hWnd : nullptr;
    // A Unicode dialog keeps the template's UTF-16 texts: through the ANSI call they would pass
    // the system's ANSI code page, and Russian would turn to question marks on other systems.
    INT_PTR result = ::DialogBoxParamW(AfxGetApp()->m_hInstance, MAKEINTRESOURCEW(m_templateId),
                                       owner, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

// `this` arrives with WM_INITDIALOG and is kept in the window's DWLP_USER slot; the few
// messages before it (WM_SETFONT) are left to the system.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
        return dialog->OnInitDialog();
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    return dialog != nullptr ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        return FALSE;
    }
    // A few messages return their value from the dialog procedure itself; the rest through
    // DWLP_MSGRESULT.
    if (message == WM_QUERYDRAGICON) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
