// tests/gui/win32/apply_test.cpp: Apply and OK write the pages' choices that differ from the card's state; the
// restart prompt comes once, after an odd number of changes of a direction written that the family reads at
// start-up; a failed apply says what was changed and what was not, and OK then keeps the window open.
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
void ClickOk(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDOK), BM_CLICK, 0, 0); }

// On the input page, read as Enabled: a click on the selected button changes nothing, each change counts;
// changed and changed back, the output page never shown, Apply leaves both as they are, no prompt.
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
  HoverEnabled(page.m_hWnd);
  CHECK(DescriptionShown(page.m_hWnd));
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  if (g_nExpectedPrompts > 0) CHECK(!DescriptionShown(page.m_hWnd));  // the pointer went to the prompt
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
  ClickOk(dlg);
  StopAnswering();
  CHECK_EQ(g_log.nPrompts, g_nExpectedPrompts);
}

void RunOneChange(int nPage, int nExpectedPrompts) {
  g_nPage = nPage;
  g_nExpectedPrompts = nExpectedPrompts;
  CHECK_EQ(RunScripted(OneChangeThenApplyTwiceAndOk), IDOK);
}

// A direction whose state cannot be read shows no choice. The one the user picks cannot be written: one message
// box, in front and closed by Enter, names the direction and the cause, and OK keeps the window open. Once the
// cause is gone, OK writes, prompts if the family needs it (no prompt was shown before) and closes.
void (*g_pfnRepair)() = NULL;
const char* g_pszCause = NULL;

void FailThenRepair(CProbeDlg& dlg) {
  const CPropPageIn& in = dlg.m_pSheet->m_pageIn;
  CPropertyPage& page = ShowPage(dlg, 0);
  CHECK_EQ(CheckedRadio(page.m_hWnd), 0);
  CHECK_EQ(in.m_nState, -1);
  ClickItem(page.m_hWnd, IDC_ENABLED);
  CHECK_EQ(in.m_nState, 0);
  CHECK_EQ(in.m_nToggleCount, 1);  // a first choice is a change
  HoverEnabled(page.m_hWnd);
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  CHECK_EQ(g_log.nMessages, 1);
  CHECK_EQ(g_log.nPrompts, 0);
  CHECK_EQ(g_log.nNotInFront, 0);
  CHECK_EQ(g_log.nGateLeftOpen, 0);
  CHECK_EQ(dlg.m_nDeactivationsRefused, 0);
  CHECK_EQ(dlg.m_nDeactivationsAllowed, 1);
  CHECK(g_log.hOwner == dlg.m_hWnd);
  CHECK(strstr(g_log.szMessage, "optical input could not be changed") != NULL);
  if (strstr(g_log.szMessage, g_pszCause) == NULL)
    CheckFailedText(__FILE__, __LINE__, "cause", g_log.szMessage, g_pszCause);
  CHECK(strstr(g_log.szMessage, "was changed") == NULL);
  CHECK(!DescriptionShown(page.m_hWnd));
  CHECK_EQ(dlg.m_bRestartPrompted, 0);
  CHECK(::IsWindowVisible(dlg.m_hWnd));

  ClickOk(dlg);  // fails again: the window stays
  CHECK_EQ(g_log.nMessages, 2);
  CHECK(::IsWindowVisible(dlg.m_hWnd));

  g_pfnRepair();
  const bool bNtFamily = GetPlatformFamily() == VER_PLATFORM_WIN32_NT;
  ClickOk(dlg);
  StopAnswering();
  CHECK_EQ(g_log.nMessages, 2);
  CHECK_EQ(g_log.nPrompts, bNtFamily ? 1 : 0);  // the 95 family's input takes no restart
  CHECK_EQ(dlg.m_bRestartPrompted, bNtFamily ? 1 : 0);
}

// The 95 family without the card's mixer, one change on each page: the output is written, the input is not.
// One message says both, with the cause, and the prompt for the output follows it.
void PartlyFailedApply(CProbeDlg& dlg) {
  ClickItem(ShowPage(dlg, 0).m_hWnd, IDC_ENABLED);
  ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  StopAnswering();
  if (strcmp(g_log.szOrder, "MP") != 0) CheckFailedText(__FILE__, __LINE__, "windows", g_log.szOrder, "MP");
  CHECK(strstr(g_log.szMessage, "optical output was changed") != NULL);
  CHECK(strstr(g_log.szMessage, "optical input could not be changed") != NULL);
  CHECK(strstr(g_log.szMessage, "mixer was not found") != NULL);
  CHECK(strstr(g_log.szMessage, "administrator") == NULL);  // Windows 98 has none
  CHECK_EQ(dlg.m_bRestartPrompted, 1);
  dlg.EndDialog(IDCANCEL);
}

// The 95 family without the card's mixer, only the output changed: the input is never applied from a guess,
// so Apply, Apply and OK show no message and one prompt.
void OnlyTheOutputWithoutMixer(CProbeDlg& dlg) {
  CHECK_EQ(dlg.m_pSheet->m_pageIn.m_nState, -1);
  ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
  StartAnswering(dlg, &g_log);
  ClickApply(dlg);
  ClickApply(dlg);
  ClickOk(dlg);
  StopAnswering();
  CHECK_EQ(g_log.nMessages, 0);
  CHECK_EQ(g_log.nPrompts, 1);
}

// Both tabs looked at, then OK: custom on-values (for the output, the source it selects) stay as they are,
// even with a stale backup.
void BothTabsThenOk(CProbeDlg& dlg) {
  ShowPage(dlg, 0);
  ShowPage(dlg, 1);
  StartAnswering(dlg, &g_log);
  ClickOk(dlg);
  StopAnswering();
  CHECK_EQ(g_log.nPrompts + g_log.nMessages, 0);
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
  CHECK_VALUE("drv", "SPDIFEnableInput", "05000000");  // Enabled over an on-value: left as it is
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
  g_pszCause = "driver does not seem to be installed";
  CHECK_EQ(RunScripted(FailThenRepair), IDOK);
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightFailedApplyWithoutTheCardsMixer) {
  SetCardNames("");
  g_pfnRepair = ConnectCard;
  g_pszCause = "mixer was not found";
  CHECK_EQ(RunScripted(FailThenRepair), IDOK);
  CHECK(!IsOpticalMuted());
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightPartlyFailedApplyNamesBothThenPrompts) {
  SetCardNames("");
  RunScripted(PartlyFailedApply);
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightWithoutMixerLeavesTheInputAlone) {
  SetCardNames("");
  CHECK_EQ(RunScripted(OnlyTheOutputWithoutMixer), IDOK);
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "02000000");
}

GUI_TEST(OkOverCustomOnValuesWritesNothing) {
  SetValueHex("drv", kValueEnableInput, "05000000");
  SetValueHex("drv", kValueOutputSource, "03010000");
  SetValueHex("patch", kValueSavedInput, "07000000");
  CHECK_EQ(RunScripted(BothTabsThenOk), IDOK);
  CHECK_VALUE("drv", "SPDIFEnableInput", "05000000");
  CHECK_VALUE("drv", "SPDIFOutputSource", "03010000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_IN", "07000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightOkOverCustomOnValuesWritesNothing) {
  SetValueHex("cpl", kValueSourceSelection, "03010000");
  SetValueHex("patch", kValueSavedOutput, "09000000");
  CHECK_EQ(RunScripted(BothTabsThenOk), IDOK);
  CHECK_VALUE("cpl", "SourceSelection", "03010000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "09000000");
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
