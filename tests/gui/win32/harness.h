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
  // Requests to give up activation (WM_NCACTIVATE with FALSE), by the dialog's answer.
  int m_nDeactivationsAllowed;
  int m_nDeactivationsRefused;

  int CountCommands(UINT nID) const;
  const Command* LastCommand(UINT nID) const;
  HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
  HBITMAP ImageOf(int nID) const;

 protected:
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// Runs dlg.DoModal() with dlg as the application's main window; script(dlg) runs from a timer inside the
// dialog's own message loop and must end the dialog. Returns what DoModal returned.
int RunScriptedThunk(CProbeDlg& dlg, void (*pfnThunk)(CProbeDlg&, void*), void* pScript);
template <class TScript>
int RunScripted(CProbeDlg& dlg, TScript script) {
  return RunScriptedThunk(
      dlg, [](CProbeDlg& d, void* p) { (*static_cast<TScript*>(p))(d); }, &script);
}
// The same on a probe dialog of its own.
template <class TScript>
int RunScripted(TScript script) {
  CProbeDlg dlg;
  return RunScripted(dlg, script);
}

// Dispatches what is queued, through the thread's pre-translation like the dialog's loop does.
void Pump();

// The handle of a resource bitmap's pixels equal to hBitmap's (same size, same bits).
bool SameBitmap(HBITMAP hBitmap, UINT nIDResource);

// A visible top-level window of this thread with the given title, or null.
HWND FindThreadWindow(const char* pszTitle);

// The page of the sheet, shown through its tab the way a click on the tab does.
CPropertyPage& ShowPage(CProbeDlg& dlg, int nPage);
// A radio button clicked as the user would; the checked button of a page's group (0 for none).
void ClickItem(HWND hPage, int nID);
int CheckedRadio(HWND hPage);
// The pointer moved over the page onto its "Enabled" radio button's zone; whether a description shows.
void HoverEnabled(HWND hPage);
bool DescriptionShown(HWND hPage);

// What opened over the probe dialog while StartAnswering was on, and how each was answered.
struct ModalLog {
  int nPrompts;         // "Restart computer" windows, each answered with "Restart later"
  int nMessages;        // any other window, a message box, answered with Enter on its focused control
  int nNotInFront;      // how many were not the active and foreground window when they appeared
  int nGateLeftOpen;    // how many found the probe dialog's m_bAllowDeactivate still set
  HWND hOwner;          // the owner of the last one
  char szMessage[512];  // the text of the last message box
  char szOrder[16];     // one letter per window in order: P for a prompt, M for a message box
};
// From now until StopAnswering, every window that opens over dlg is logged into *pLog and answered, and dlg
// counts its deactivations afresh.
void StartAnswering(CProbeDlg& dlg, ModalLog* pLog);
void StopAnswering();
