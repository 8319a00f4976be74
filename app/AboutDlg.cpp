// app/AboutDlg.cpp: the About box has no handlers of its own; OK and Esc close it.
#include "app/AboutDlg.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()
