// app/HalvrinDlg.cpp: the main dialog: the conversion on Start, the About entry, the icon.
#include "app/HalvrinDlg.h"

#include <climits>

#include "app/AboutDlg.h"
#include "conversion/FileLog.h"
#include "platform/CPaintDC.h"
#include "platform/CWinApp.h"

static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX, "system commands keep the low bits clear");
static_assert(IDM_ABOUTBOX < 0xF000, "ids from 0xF000 are the system's own commands");

// The conversion run's view of the dialog: the progress bar, message boxes, and OnOK.
class DialogRunHost : public ConversionHost {
  public:
    explicit DialogRunHost(CHalvrinDlg& dialog) : m_dialog(dialog) {}

    void SetProgressRange(std::int64_t totalLines) override {
        // The bar counts in ints; a log of more lines is shown to scale.
        m_scale = totalLines / INT_MAX + 1;
        m_dialog.m_progressBar.SetRange32(0, static_cast<int>(totalLines / m_scale));
    }
    void SetProgress(std::int64_t linesWritten) override {
        m_dialog.m_progressBar.SetPos(static_cast<int>(linesWritten / m_scale));
    }
    void ShowMessage(const char* text) override { m_dialog.MessageBox(text, nullptr, MB_OK); }
    void EndRun() override { m_dialog.OnOK(); }

  private:
    CHalvrinDlg& m_dialog;
    std::int64_t m_scale = 1;
};

BEGIN_MESSAGE_MAP(CHalvrinDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDOK, &CHalvrinDlg::OnStartClicked)
END_MESSAGE_MAP()

CHalvrinDlg::CHalvrinDlg(CWnd* parent)
    : CDialog(IDD, parent), m_appIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CHalvrinDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_PROGRESS, m_progressBar);
}

BOOL CHalvrinDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu != nullptr) {
        CString aboutText;
        aboutText.LoadString(IDS_ABOUTBOX);
        if (!aboutText.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText.GetString());
        }
    }

    SetIcon(m_appIcon, TRUE);
    SetIcon(m_appIcon, FALSE);
    return TRUE;
}

void CHalvrinDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

// Minimised, the dialog draws its icon centred in the client area; otherwise the system paints.
void CHalvrinDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    int x = (rect.Width() - iconWidth + 1) / 2;
    int y = (rect.Height() - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_appIcon);
}

// The image shown while the minimised window is dragged.
HCURSOR CHalvrinDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_appIcon);
}

// Converts tavu2.adi into Tavu_to_Logger.adi in the current folder, then ends the dialog.
void CHalvrinDlg::OnStartClicked() {
    DialogRunHost host(*this);
    FileLogSource source("tavu2.adi");
    FileLogSink sink("Tavu_to_Logger.adi", source, COutputFile::Flush::EveryLine);
    RunConversion(source, sink, host);
}
