// Resource and control ids of the program's dialogs, shared by the core, the
// Qt binding and the Windows resource script (so: plain #defines only).
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_VELOINSPECT_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_SYSINFO_DIALOG 129
#define IDB_STATUS_ERROR 130
#define IDB_STATUS_OK 131
#define IDD_OPENGL_EXTENSIONS 146
#define IDB_BUSY_FIRST 147
#define IDB_BUSY_LAST 158

#define IDC_INTRO_TEXT 1000
#define IDC_STATUS_LIST 1001
#define IDC_DETAIL_LIST 1001
#define IDC_CATEGORY_LIST 1004
#define IDC_EXTENSION_LIST 1004
#define IDC_VERSION_COMBO 1006
#define IDC_INTRO_FRAME 1007
#define IDC_CREATE_REPORT 1008

// The system's own ids that the dialogs use.
#define IDC_OK_BUTTON 1
#define IDC_SYSINFO_BUTTON 2

#define IDM_ABOUTBOX 0x0010
