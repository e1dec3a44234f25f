// tests/bench/dialogfloor.cpp: the start-up floors for Beamset: a dialog of the main window's size showing one
// bitmap and a button, and nothing else; it closes on WM_CLOSE, as the launcher asks. Built a second time
// importing comctl32 as well, to price the import, and a third time hosting a comctl32 property sheet with one
// page as a child, as Beamset's design needs one.
#include <windows.h>
#if defined(FLOOR_IMPORTS_COMCTL32) || defined(FLOOR_HOSTS_SHEET)
#include <commctrl.h>
#include <prsht.h>
#endif

#include "dialogfloor.h"

namespace {

#ifdef FLOOR_HOSTS_SHEET
INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  CheckRadioButton(hWnd, 1001, 1002, 1001);  // as Beamset's page shows the state it read
  return TRUE;
}

// The sheet as a control of the dialog, as Beamset embeds its own.
int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam != 0) {
    DLGTEMPLATE* pTemplate = reinterpret_cast<DLGTEMPLATE*>(lParam);
    pTemplate->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | DS_CONTROL | DS_3DLOOK | (pTemplate->style & DS_SETFONT);
    pTemplate->dwExtendedStyle = WS_EX_CONTROLPARENT;
  }
  return 0;
}

void CreateSheet(HWND hWnd) {
  PROPSHEETPAGEA_V1 page = {};
  page.dwSize = sizeof page;
  page.hInstance = GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(IDD_FLOOR_PAGE);
  page.pfnDlgProc = PageProc;
  PROPSHEETHEADERA header = {};
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
  header.hwndParent = hWnd;
  header.hInstance = page.hInstance;
  header.nPages = 1;
  header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(&page);
  header.pfnCallback = SheetCallback;
  HWND hSheet = reinterpret_cast<HWND>(PropertySheetA(&header));
  if (!hSheet) return;
  static const int kButtons[] = {IDOK, IDCANCEL, 0x3021, IDHELP};
  for (int nID : kButtons) ShowWindow(GetDlgItem(hSheet, nID), SW_HIDE);
  SetWindowPos(hSheet, nullptr, 0, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
#endif

INT_PTR CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetWindowTextA(hWnd, "Beamset floor");
#ifdef FLOOR_HOSTS_SHEET
    CreateSheet(hWnd);
#endif
    return TRUE;
  }
  if (message == WM_CLOSE) {
    EndDialog(hWnd, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
#if defined(FLOOR_IMPORTS_COMCTL32) || defined(FLOOR_HOSTS_SHEET)
  InitCommonControls();
#endif
  DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_FLOOR), nullptr, FloorProc, 0);
  return 0;
}
