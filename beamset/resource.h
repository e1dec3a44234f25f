// beamset/resource.h: every resource and control ID of Beamset, shared by the resource script and the code.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_BEAMSET_DIALOG 102
#define IDD_PROPPAGE_IN 129
#define IDD_PROPPAGE_OUT 130
#define IDD_RESTART 135

// Strings
#define IDS_ABOUTBOX 101
#define IDS_APPLY_FAILED_INPUT 170
#define IDS_APPLY_FAILED_OUTPUT 171
#define IDS_APPLY_FAILED_BOTH 172
#define IDS_CAUSE_NO_DRIVER 173
#define IDS_CAUSE_NO_RIGHTS 174
#define IDS_CAUSE_NO_MIXER 175
#define IDS_CAUSE_MIXER_REFUSED 176
#define IDS_CAUSE_SAVED_UNREADABLE 177
#define IDS_CAUSE_UNREADABLE 178
#define IDS_CAUSE_WRITE_REFUSED 179
#define IDS_CAUSE_WRITE_FAILED 180
#define IDS_APPLY_CHANGED_INPUT 181
#define IDS_APPLY_CHANGED_OUTPUT 182
#define IDS_RESTART_FAILED 183

// Icon
#define IDR_MAINFRAME 128

// Bitmaps
#define IDB_BACKGROUND 134
#define IDB_APPLY_DOWN 144
#define IDB_APPLY_UP 145
#define IDB_CANCEL_DOWN 146
#define IDB_CANCEL_UP 147
#define IDB_CLOSE 149
#define IDB_INPUT_TAB_ON 153
#define IDB_INPUT_TAB_OFF 154
#define IDB_OK_DOWN 157
#define IDB_OK_UP 158
#define IDB_OUTPUT_TAB_ON 159
#define IDB_OUTPUT_TAB_OFF 160
#define IDB_PAGE_BACKGROUND 163

// Controls of the main window (OK and Cancel are IDOK and IDCANCEL)
#define IDC_APPLY 3
#define IDC_INPUT_TAB 4
#define IDC_OUTPUT_TAB 5
#define IDC_CLOSE 1006

// Controls of the pages
#define IDC_ENABLED 1001
#define IDC_DISABLED 1002
#define IDC_DESC_ENABLED 1003
#define IDC_DESC_DISABLED 1004
#define IDC_HEADING 1005

// The About item of the system menu
#define IDM_ABOUTBOX 0x0010
