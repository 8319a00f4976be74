// res/resource.h: resource ids, shared by the resource script and the code.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_HALVRIN_DIALOG 102

// Icons
#define IDR_MAINFRAME 128

// Controls (Start and Cancel are the stock IDOK and IDCANCEL)
#define IDC_STATIC -1
#define IDC_PROGRESS 1000

// Strings
#define IDS_ABOUTBOX 101

// System-menu commands: below 0xF000 and with the low four bits clear, as the system requires
#define IDM_ABOUTBOX 0x0010
