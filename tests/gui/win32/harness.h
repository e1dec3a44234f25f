// tests/gui/win32/harness.h: runs the real main dialog modally and drives it from inside its own loop.
#pragma once

#include "beamsetdlg.h"

// The main dialog, recording the last WM_COMMAND that reached it with the image its control showed at that
// moment, and its answers to requests to give up activation (WM_NCACTIVATE with FALSE).
class CProbeDlg : public CBeamsetDlg {
 public:
  CProbeDlg();

  int m_nCommands;
  UINT m_nLastCommand;
  HBITMAP m_hLastCommandImage;
  int m_nDeactivationsAllowed;
  int m_nDeactivationsRefused;

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

// The next allocation of cb bytes fails, as when memory runs out (0 for none); whether one is still to fail.
void FailNextAllocation(size_t cb);
bool AllocationFailurePending();

// Dispatches what is queued, through the thread's pre-translation like the dialog's loop does.
void Pump();

// Whether hBitmap's pixels are those of the resource bitmap.
bool SameBitmap(HBITMAP hBitmap, UINT nIDResource);

// A visible window of this thread with the given title or, for a null title, any visible owned one; or null.
HWND FindThreadWindow(const char* pszTitle);

// A key as the dialog's loop gets it: posted to the focused window, the modifiers held in the thread's key state.
void PressKey(UINT vk, bool bCtrl, bool bShift);
// A button of the dialog or of a page clicked as the user would.
void ClickItem(HWND hParent, int nID);
// The page of the sheet, shown through its tab.
CPropertyPage& ShowPage(CProbeDlg& dlg, int nPage);
// The checked radio button of a page's group (0 for none).
int CheckedRadio(HWND hPage);
// The pointer moved over the page onto its "Enabled" radio button's zone; whether a description shows.
void HoverEnabled(HWND hPage);
bool DescriptionShown(HWND hPage);

// What opened over the probe dialog while StartAnswering was on, and how each was answered.
struct ModalLog {
  char szOrder[16];     // one letter per window: P for a "Restart computer" prompt, answered "Restart later";
                        // R for one press of its "Restart now" first, while nRestartNow lasts; M for any other,
                        // a message box, answered with Enter on its focused control
  HWND hOwner;          // the owner of the last one
  char szMessage[512];  // the text of the last message box
  int nRestartNow;      // set after StartAnswering
};
// Points this program's import of pszFunction at pfnNew; returns what it pointed at, or null for no such import.
void* HookImport(const char* pszFunction, void* pfnNew);

// From now until StopAnswering, every window that opens over dlg is logged into *pLog and answered, and dlg
// counts its deactivations afresh.
void StartAnswering(CProbeDlg& dlg, ModalLog* pLog);
void StopAnswering();
// A click on the dialog's control nID with every window that opens over it answered; what opened.
ModalLog ClickAnswered(CProbeDlg& dlg, int nID);
