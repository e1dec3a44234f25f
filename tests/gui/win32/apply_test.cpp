// tests/gui/win32/apply_test.cpp: Apply and OK write the pages' choices that differ from the card's state; the
// restart prompt comes once, after an odd number of changes of a direction written that the family reads at
// start-up; a failed apply says what was changed, what was not and why, and OK then keeps the window open.
#include <stdio.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "opticalregistry.h"
#include "opticalstore.h"
#include "resource.h"

namespace {

void CheckSays(const ModalLog& log, const char* pszText, bool bSays, int nLine) {
  if ((strstr(log.szMessage, pszText) != NULL) != bSays)
    CheckFailedText(__FILE__, nLine, bSays ? "message says" : "message does not say", log.szMessage, pszText);
}

// Each window that opened over the dialog is owned by it and came through the one activation the dialog lets
// go for it (Wine activates it anyway; Windows would leave it behind the dialog).
void CheckOpenedInFront(const CProbeDlg& dlg, const ModalLog& log) {
  CHECK_EQ(dlg.m_nDeactivationsRefused, 0);
  CHECK_EQ(dlg.m_nDeactivationsAllowed, strlen(log.szOrder));
  if (log.szOrder[0] != '\0') CHECK(log.hOwner == dlg.m_hWnd);
}

// One change of a page (a click on the choice already made changes nothing): the first Apply prompts if the
// family reads that direction at start-up, and "Restart later" returns to the dialog. Then one change of the other
// page, Apply and OK prompt only if no prompt came before: Beamset asks once per run. pszAll: all that opened.
void RunOneChange(int nPage, const char* pszWindows, const char* pszAll) {
  CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
             HWND hPage = ShowPage(dlg, nPage).m_hWnd;
             ClickItem(hPage, IDC_DISABLED);
             ClickItem(hPage, IDC_DISABLED);
             HoverEnabled(hPage);
             CHECK(DescriptionShown(hPage));
             ModalLog log;
             StartAnswering(dlg, &log);
             ClickItem(dlg.m_hWnd, IDC_APPLY);
             CHECK_STR(log.szOrder, pszWindows);
             CheckOpenedInFront(dlg, log);
             if (log.szOrder[0] != '\0') CHECK(!DescriptionShown(hPage));  // the pointer went to the prompt
             CHECK(::IsWindowVisible(dlg.m_hWnd));

             ClickItem(ShowPage(dlg, 1 - nPage).m_hWnd, IDC_DISABLED);
             ClickItem(dlg.m_hWnd, IDC_APPLY);
             ClickItem(dlg.m_hWnd, IDOK);
             StopAnswering();
             CHECK_STR(log.szOrder, pszAll);
           }),
           IDOK);
}

// A choice that cannot be written: one message box, in front and closed by Enter, names the direction (or
// both) and the cause, and OK keeps the window open. Once the cause is gone, OK writes, prompts if the
// family needs it (no prompt was shown before) and closes.
struct FailureCase {
  void (*pfnCause)(bool bPresent);
  int nPage, nClick;  // the choice made
  const char *pszDirections, *pszCause, *pszNotSaid;
  const char* pszWindows;                    // all that opened: the two messages, then the prompt if one is due
  const char *pszKey, *pszValue, *pszAfter;  // a value as OK leaves it
};

void RunFailThenRepair(const FailureCase* pCases, int nCases) {
  for (int i = 0; i < nCases; ++i) {
    const FailureCase& c = pCases[i];
    const int nBefore = CheckFailures();
    ResetMachine();
    c.pfnCause(true);
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
               HWND hPage = ShowPage(dlg, c.nPage).m_hWnd;
               ClickItem(hPage, c.nClick);
               HoverEnabled(hPage);
               ModalLog log;
               StartAnswering(dlg, &log);
               ClickItem(dlg.m_hWnd, IDC_APPLY);
               CHECK_STR(log.szOrder, "M");
               CheckOpenedInFront(dlg, log);
               CheckSays(log, c.pszDirections, true, __LINE__);
               CheckSays(log, c.pszCause, true, __LINE__);
               CheckSays(log, c.pszNotSaid, false, __LINE__);
               CheckSays(log, "was changed", false, __LINE__);
               CHECK(!DescriptionShown(hPage));

               ClickItem(dlg.m_hWnd, IDOK);  // fails again: the window stays
               CHECK_STR(log.szOrder, "MM");
               CHECK(::IsWindowVisible(dlg.m_hWnd));

               c.pfnCause(false);
               ClickItem(dlg.m_hWnd, IDOK);
               StopAnswering();
               CHECK_STR(log.szOrder, c.pszWindows);
             }),
             IDOK);
    CHECK_STR(ValueHex(c.pszKey, c.pszValue), c.pszAfter);
    if (CheckFailures() != nBefore) printf("  in the case of \"%s\"\n", c.pszCause);
  }
}

// Each cause, then gone: the value or key back with the choice still to write, or the mixer connected.
void NoDriverKey(bool b) { b ? DeleteKeyOf("drv") : SetValueHex("drv", kValueEnableInput, "00000000"); }
// Read but not written, as for a user without administrator rights.
void ReadOnlyDriverKey(bool b) { SetKeyReadOnly("drv", b); }
void NoMixer(bool b) { ConnectCard(!b); }
void NoControlPanelKey(bool b) { b ? DeleteKeyOf("cpl") : SetValueHex("cpl", kValueSourceSelection, "02000000"); }

}  // namespace

// The output page is never shown and is left alone; the input, changed an even number of times, is not written.
GUI_TEST(EvenChangesWriteWithoutPromptAndAnUnshownPageIsLeftAlone) {
  SetValueHex("drv", kValueEnableInput, "05000000");
  SetValueHex("drv", kValueOutputSource, "00000000");
  RunScripted([](CProbeDlg& dlg) {
    HWND hPage = dlg.m_pSheet->m_pageIn.m_hWnd;
    static const int kClicks[] = {IDC_ENABLED, IDC_DISABLED, IDC_DISABLED, IDC_ENABLED};
    for (int nClick : kClicks) ClickItem(hPage, nClick);
    const ModalLog log = ClickAnswered(dlg, IDC_APPLY);
    CHECK_STR(log.szOrder, "");
    dlg.EndDialog(IDCANCEL);
  });
  CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), "05000000");  // Enabled over an on-value: left as it is
  CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), "00000000");
  CHECK_STR(ValueHex("patch", "OLD_SDPIF_VALUE_IN"), "absent");
}

GUI_TEST(NtPromptsOnceForAnOutputChange) {
  RunOneChange(1, "P", "P");
  CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), "00000000");
  CHECK_STR(ValueHex("patch", "OLD_SDPIF_VALUE_OUT"), "02000000");
  CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), "00000000");
}

// The input changes at once; the output, changed after it, is the first to prompt.
GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightNeverPromptsForTheInput) {
  RunOneChange(0, "", "P");
  CHECK(IsOpticalMuted());
  CHECK_STR(ValueHex("cpl", "SourceSelection"), "FF000000");
}

GUI_TEST(NtFailedApplySaysWhyThenOkWritesOnceRepaired) {
  static const FailureCase kCases[] = {
      {NoDriverKey, 0, IDC_ENABLED, "optical input could not be changed", "driver does not seem to be installed",
       "output", "MMP", "drv", "SPDIFEnableInput", "01000000"},
      {ReadOnlyDriverKey, 1, IDC_DISABLED, "Neither the optical input nor the optical output could be changed",
       "administrator rights", "driver", "MMP", "drv", "SPDIFOutputSource", "00000000"}};
  RunFailThenRepair(kCases, 2);
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightFailedApplySaysWhyThenOkWritesOnceRepaired) {
  static const FailureCase kCases[] = {
      {NoMixer, 0, IDC_ENABLED, "optical input could not be changed", "mixer was not found", "output", "MM", "cpl",
       "SourceSelection", "02000000"},
      {NoControlPanelKey, 1, IDC_DISABLED, "The optical output could not be changed",
       "driver does not seem to be installed", "input", "MMP", "cpl", "SourceSelection", "FF000000"}};
  RunFailThenRepair(kCases, 2);
}

// The 95 family without one of the card's two places, Disabled on each page: one direction is written, the other is
// not. One message says both, with the cause; the prompt follows only for the output, read at start-up.
GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightPartlyFailedApplyNamesBoth) {
  static const struct {
    void (*pfnCause)(bool bPresent);
    const char *pszChanged, *pszFailed, *pszCause, *pszWindows;
  } kCases[] = {
      {NoMixer, "optical output was changed", "optical input could not be changed", "mixer was not found", "MP"},
      {NoControlPanelKey, "optical input was changed", "optical output could not be changed",
       "driver does not seem to be installed", "M"},
  };
  for (const auto& c : kCases) {
    ResetMachine();
    c.pfnCause(true);
    RunScripted([&](CProbeDlg& dlg) {
      ClickItem(ShowPage(dlg, 0).m_hWnd, IDC_DISABLED);
      ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
      const ModalLog log = ClickAnswered(dlg, IDC_APPLY);
      CHECK_STR(log.szOrder, c.pszWindows);
      CheckSays(log, c.pszChanged, true, __LINE__);
      CheckSays(log, c.pszFailed, true, __LINE__);
      CheckSays(log, c.pszCause, true, __LINE__);
      CheckSays(log, "administrator", false, __LINE__);  // Windows 98 has none
      dlg.EndDialog(IDCANCEL);
    });
  }
}

namespace {

// ExitWindowsEx as the tests answer it, and what "Restart now" had done by the time it came: the flags, whether
// the shutdown privilege was enabled, and whether a token function had been looked up.
BOOL g_bRestartStarts = FALSE;
int g_nRestarts = 0;
UINT g_uRestartFlags = 0;
bool g_bPrivilegeEnabled = false, g_bTokenLookedUp = false, g_bTokenBound = false;
FARPROC(WINAPI* g_pfnGetProcAddress)(HMODULE, LPCSTR) = NULL;

// Whether this process has the shutdown privilege enabled; bDisable disables it first.
bool ShutdownPrivilegeEnabled(bool bDisable) {
  HANDLE hToken = NULL;
  TOKEN_PRIVILEGES tp = {1, {}};
  ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken);
  ::LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &tp.Privileges[0].Luid);
  if (bDisable) ::AdjustTokenPrivileges(hToken, FALSE, &tp, 0, NULL, NULL);
  PRIVILEGE_SET set = {1, PRIVILEGE_SET_ALL_NECESSARY, {tp.Privileges[0]}};
  BOOL bEnabled = FALSE;
  ::PrivilegeCheck(hToken, &set, &bEnabled);
  ::CloseHandle(hToken);
  return bEnabled != FALSE;
}

FARPROC WINAPI RecordingGetProcAddress(HMODULE hModule, LPCSTR pszName) {
  if (reinterpret_cast<ULONG_PTR>(pszName) > 0xFFFF && strcmp(pszName, "OpenProcessToken") == 0) g_bTokenLookedUp = true;
  return g_pfnGetProcAddress(hModule, pszName);
}

BOOL WINAPI AnsweringExitWindowsEx(UINT uFlags, DWORD) {
  ++g_nRestarts;
  g_uRestartFlags = uFlags;
  g_bPrivilegeEnabled = ShutdownPrivilegeEnabled(false);
  g_bTokenBound = g_bTokenLookedUp;
  return g_bRestartStarts;
}

// ExitWindowsEx answers bStarts from now on, and the shutdown privilege is disabled, as in a new process.
void AnswerRestarts(BOOL bStarts) {
  if (g_pfnGetProcAddress == NULL) {
    HookImport("ExitWindowsEx", reinterpret_cast<void*>(AnsweringExitWindowsEx));
    g_pfnGetProcAddress = reinterpret_cast<FARPROC(WINAPI*)(HMODULE, LPCSTR)>(
        HookImport("GetProcAddress", reinterpret_cast<void*>(RecordingGetProcAddress)));
  }
  g_bRestartStarts = bStarts;
  g_nRestarts = 0;
  g_bTokenLookedUp = false;
  ShutdownPrivilegeEnabled(true);
}

// No test may restart the machine the tests run on.
struct RestartGuard {
  RestartGuard() { AnswerRestarts(FALSE); }
} g_restartGuard;

// "Restart now" asks Windows for a restart in which every program may first save its work or refuse: never a
// forced one. The NT family enables the shutdown privilege for it; the 95 family, whose advapi32 may lack the
// token functions, never looks them up. The prompt stays, for the case that a program refuses; a restart that
// does not start is said.
void PressRestartNow() {
  const bool bNt = GetPlatformFamily() == VER_PLATFORM_WIN32_NT;
  static const BOOL kStarts[] = {TRUE, FALSE};
  for (BOOL bStarts : kStarts) {
    ResetMachine();
    AnswerRestarts(bStarts);
    RunScripted([&](CProbeDlg& dlg) {
      ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
      ModalLog log;
      StartAnswering(dlg, &log);
      log.nRestartNow = 1;
      ClickItem(dlg.m_hWnd, IDC_APPLY);
      StopAnswering();
      CHECK_STR(log.szOrder, bStarts ? "RP" : "RMP");
      CheckSays(log, "The restart did not start. Restart the computer from the Start menu.", !bStarts, __LINE__);
      dlg.EndDialog(IDCANCEL);
    });
    CHECK_EQ(g_nRestarts, 1);
    CHECK_EQ(g_uRestartFlags, EWX_REBOOT);
    CHECK_EQ(g_bPrivilegeEnabled, bNt);
    CHECK_EQ(g_bTokenBound, bNt);
  }
}

// Windows asks every program before it ends the session, then tells them; Beamset agrees and closes (with its
// prompt, if that is open) and writes nothing more: a choice not applied stays unwritten.
int g_nAgreed = 0;
HWND g_hMain = NULL;

void EndSessionOf(HWND hPrompt) {
  HWND hWnds[] = {hPrompt, g_hMain};
  for (HWND hWnd : hWnds) g_nAgreed += hWnd != NULL && ::SendMessageA(hWnd, WM_QUERYENDSESSION, 0, 0) != 0;
  for (HWND hWnd : hWnds) ::SendMessageA(hWnd, WM_ENDSESSION, TRUE, 0);
}

void CALLBACK EndSessionAtPrompt(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hPrompt = FindThreadWindow("Restart computer");
  if (hPrompt == NULL) return;
  ::KillTimer(NULL, idEvent);
  EndSessionOf(hPrompt);
  Pump();
  if (!::IsWindowVisible(hPrompt)) return;
  CheckFailed(__FILE__, __LINE__, "the prompt closed as the session ended", 1, 0);
  ClickItem(hPrompt, IDCANCEL);
}

}  // namespace

GUI_TEST(RestartNowAsksEveryProgramAndSaysWhenNoRestartStarts) { PressRestartNow(); }
GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, RestartNowAsksEveryProgramAndSaysWhenNoRestartStarts95) { PressRestartNow(); }

GUI_TEST(EndingTheSessionClosesBeamsetWritingNothingMore) {
  static const bool kPromptOpen[] = {false, true};
  for (bool bPromptOpen : kPromptOpen) {
    ResetMachine();
    g_nAgreed = g_nRestarts = 0;
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
               g_hMain = dlg.m_hWnd;
               ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
               if (bPromptOpen) ::SetTimer(NULL, 0, 10, EndSessionAtPrompt);
               bPromptOpen ? ClickItem(dlg.m_hWnd, IDC_APPLY) : EndSessionOf(NULL);
             }),
             IDCANCEL);
    CHECK_EQ(g_nAgreed, bPromptOpen ? 2 : 1);
    CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), bPromptOpen ? "00000000" : "02000000");
    CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), "01000000");
    CHECK_EQ(g_nRestarts, 0);
  }
}
