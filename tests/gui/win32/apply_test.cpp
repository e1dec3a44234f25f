// tests/gui/win32/apply_test.cpp: Apply and OK write the pages' choices; the restart prompt comes once, after
// an odd number of changes of a direction the family reads at start-up; a failed apply says so instead.
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "opticalstore.h"
#include "opticalregistry.h"
#include "resource.h"
#include "restartdlg.h"

namespace {

ModalLog g_log;

void ClickApply(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDC_APPLY), BM_CLICK, 0, 0); }

// On the input page, read as Enabled: a click on the selected button changes nothing, each change counts;
// changed and changed back, the output page never shown, Apply writes the input, leaves the output, no prompt.
void EvenChangesAndAnUnshownPage(CProbeDlg& dlg) {
  const CPropPageIn& in = dlg.m_pSheet->m_pageIn;
  static const struct {
    int nClick, nState, nToggles;
  } kSteps[] = {{IDC_ENABLED, 0, 0}, {IDC_DISABLED, 1, 1}, {IDC_DISABLED, 1, 1}, {IDC_ENABLED, 0, 2}};
  for (const auto& step : kSteps) {
    ClickItem(in.m_hWnd, step.nClick);
    CHECK_EQ(in.m_nState, step.nState);
    CHECK_EQ(CheckedRadio(in.m_hWnd), step.nState == 0 ? IDC_ENABLED : IDC_DISABLED);
    CHECK_EQ(in.m_nToggleCount, step.nToggles);
  }
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  StopAnswering();
  CHECK_EQ(dlg.m_pSheet->m_pageOut.m_nState, -1);
  CHECK_EQ(g_log.nPrompts + g_log.nMessages, 0);
  CHECK_EQ(dlg.m_bRestartPrompted, 0);
  dlg.EndDialog(IDCANCEL);
}

// One change of the given page: the first Apply prompts (if the family reads that direction at start-up),
// "Restart later" returns to the dialog, and neither a later Apply nor OK prompts again.
int g_nPage = 0;
int g_nExpectedPrompts = 0;

void OneChangeThenApplyTwiceAndOk(CProbeDlg& dlg) {
  CPropertyPage& page = ShowPage(dlg, g_nPage);
  ClickItem(page.m_hWnd, IDC_DISABLED);
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  CHECK_EQ(g_log.nPrompts, g_nExpectedPrompts);
  CHECK_EQ(g_log.nMessages, 0);
  CHECK_EQ(g_log.nNotInFront, 0);
  CHECK_EQ(g_log.nGateLeftOpen, 0);  // the prompt took the activation through the gate
  CHECK_EQ(dlg.m_nDeactivationsRefused, 0);
  CHECK_EQ(dlg.m_nDeactivationsAllowed, g_nExpectedPrompts);
  if (g_nExpectedPrompts > 0) CHECK(g_log.hOwner == dlg.m_hWnd);
  CHECK_EQ(dlg.m_bRestartPrompted, g_nExpectedPrompts);
  CHECK(::IsWindowVisible(dlg.m_hWnd));  // Apply keeps the window open

  ClickItem(page.m_hWnd, IDC_ENABLED);
  ClickItem(page.m_hWnd, IDC_DISABLED);  // three changes: odd again
  ClickApply(dlg);
  ::SendMessageA(dlg.Item(IDOK), BM_CLICK, 0, 0);
  StopAnswering();
  CHECK_EQ(g_log.nPrompts, g_nExpectedPrompts);
}

void RunOneChange(int nPage, int nExpectedPrompts) {
  g_nPage = nPage;
  g_nExpectedPrompts = nExpectedPrompts;
  CHECK_EQ(RunScripted(OneChangeThenApplyTwiceAndOk), IDOK);
}

// A choice that cannot be written: the message box, in front and closed by Enter, instead of the prompt.
// Once the cause is gone, the next Apply prompts, since no prompt was shown before.
void (*g_pfnRepair)() = NULL;

void FailThenRepair(CProbeDlg& dlg) {
  CPropertyPage& page = ShowPage(dlg, 0);
  ClickItem(page.m_hWnd, IDC_ENABLED);  // read as Disabled: nothing to read it from
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  CHECK_EQ(g_log.nMessages, 1);
  CHECK_EQ(g_log.nPrompts, 0);
  CHECK_EQ(g_log.nNotInFront, 0);
  CHECK_EQ(g_log.nGateLeftOpen, 0);
  CHECK_EQ(dlg.m_nDeactivationsRefused, 0);
  CHECK_EQ(dlg.m_nDeactivationsAllowed, 1);
  CHECK(g_log.hOwner == dlg.m_hWnd);
  CHECK(strstr(g_log.szMessage, "optical input") != NULL);
  CHECK(strstr(g_log.szMessage, "driver") != NULL);
  CHECK_EQ(dlg.m_bRestartPrompted, 0);
  CHECK(::IsWindowVisible(dlg.m_hWnd));

  g_pfnRepair();
  const bool bNtFamily = GetPlatformFamily() == VER_PLATFORM_WIN32_NT;
  ClickApply(dlg);
  StopAnswering();
  CHECK_EQ(g_log.nMessages, 1);
  CHECK_EQ(g_log.nPrompts, bNtFamily ? 1 : 0);  // the 95 family's input takes no restart
  CHECK_EQ(dlg.m_bRestartPrompted, bNtFamily ? 1 : 0);
  dlg.EndDialog(IDCANCEL);
}

void InstallNtDriver() { SetValueHex("drv", kValueEnableInput, "00000000"); }
void ConnectCard() { SetCardNames("Audioscape Arpeggio Deluxe"); }

// Where nothing is switched, "Restart now" does nothing and the prompt stays until "Restart later".
int g_nStillOpen = 0;

void CALLBACK PressRestartNowThenLater(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hPrompt = FindThreadWindow("Restart computer");
  if (hPrompt == NULL) return;
  ::KillTimer(NULL, idEvent);
  ::SendMessageA(::GetDlgItem(hPrompt, IDOK), BM_CLICK, 0, 0);
  Pump();
  g_nStillOpen += ::IsWindowVisible(hPrompt) != FALSE;
  ::SendMessageA(::GetDlgItem(hPrompt, IDCANCEL), BM_CLICK, 0, 0);
}

}  // namespace

GUI_TEST(EvenChangesWriteWithoutPromptAndAnUnshownPageIsLeftAlone) {
  SetValueHex("drv", kValueEnableInput, "05000000");
  SetValueHex("drv", kValueOutputSource, "00000000");
  RunScripted(EvenChangesAndAnUnshownPage);
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");  // Enabled, nothing saved: the default, not 05
  CHECK_VALUE("drv", "SPDIFOutputSource", "00000000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_IN", "absent");
}

GUI_TEST(NtPromptsOnceForAnOutputChange) {
  RunOneChange(1, 1);
  CHECK_VALUE("drv", "SPDIFOutputSource", "00000000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "02000000");
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightNeverPromptsForTheInput) {
  RunOneChange(0, 0);
  CHECK(IsOpticalMuted());
  CHECK_VALUE("cpl", "SourceSelection", "02000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightPromptsOnceForAnOutputChange) {
  RunOneChange(1, 1);
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "02000000");
  CHECK(!IsOpticalMuted());
}

GUI_TEST(NtFailedApplySaysSoAndALaterApplyStillPrompts) {
  DeleteKeyOf("drv");
  g_pfnRepair = InstallNtDriver;
  RunScripted(FailThenRepair);
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightFailedApplyWithoutTheCardsMixer) {
  SetCardNames("");
  g_pfnRepair = ConnectCard;
  RunScripted(FailThenRepair);
  CHECK(!IsOpticalMuted());
}

GUI_TEST_ON(0, RestartNowThatStartsNoRestartLeavesThePromptOpen) {
  g_nStillOpen = 0;
  UINT_PTR idTimer = ::SetTimer(NULL, 0, 10, PressRestartNowThenLater);
  CRestartDlg dlg;
  CHECK_EQ(dlg.DoModal(), IDCANCEL);
  ::KillTimer(NULL, idTimer);
  CHECK_EQ(g_nStillOpen, 1);
}
