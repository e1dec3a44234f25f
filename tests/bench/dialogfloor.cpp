// tests/bench/dialogfloor.cpp: the start-up floor for Beamset: a dialog of the main window's size showing one
// bitmap, and nothing else; it closes on WM_CLOSE, as the launcher asks. Built a second time importing comctl32
// as well, to price the import Beamset's property sheet needs.
#include <windows.h>
#ifdef FLOOR_IMPORTS_COMCTL32
#include <commctrl.h>
#endif

#include "dialogfloor.h"

namespace {

INT_PTR CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetWindowTextA(hWnd, "Beamset floor");
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
#ifdef FLOOR_IMPORTS_COMCTL32
  InitCommonControls();
#endif
  DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_FLOOR), nullptr, FloorProc, 0);
  return 0;
}
