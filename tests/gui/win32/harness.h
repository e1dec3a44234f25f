// tests/gui/win32/harness.h: runs the real main dialog modally and drives it from inside its own loop.
#pragma once

#include "beamsetdlg.h"

// The main dialog, recording what reaches it: each WM_COMMAND with the image its control showed
// at that moment, and counts of chosen messages.
class CProbeDlg : public CBeamsetDlg {
 public:
  CProbeDlg();

  struct Command {
    UINT nID;
    UINT nCode;
    HBITMAP hImage;
  };
  Command m_commands[32];
  int m_nCommands;
  int m_nPaints;
  int m_nIconEraseBkgnds;

  int CountCommands(UINT nID) const;
  const Command* LastCommand(UINT nID) const;
  HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
  HBITMAP ImageOf(int nID) const;

 protected:
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// Runs dlg.DoModal() with dlg as the application's main window; script runs from a timer inside the
// dialog's own message loop and must end the dialog. Returns what DoModal returned.
int RunScripted(CProbeDlg& dlg, void (*script)(CProbeDlg& dlg));

// Dispatches what is queued, through the thread's pre-translation like the dialog's loop does.
void Pump();

// The handle of a resource bitmap's pixels equal to hBitmap's (same size, same bits).
bool SameBitmap(HBITMAP hBitmap, UINT nIDResource);

// A visible top-level window of this thread with the given title, or null.
HWND FindThreadWindow(const char* pszTitle);
