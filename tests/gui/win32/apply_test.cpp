// tests/gui/win32/apply_test.cpp: Apply and OK write the pages' choices that differ from the card's state; the
// restart prompt comes once, after an odd number of changes of a direction written that the family reads at
// start-up; a failed apply says what was changed, what was not and why, and OK then keeps the window open.
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "opticalregistry.h"
#include "opticalstore.h"
#include "resource.h"
#include "restartdlg.h"

namespace {

void ClickApply(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDC_APPLY), BM_CLICK, 0, 0); }
void ClickOk(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDOK), BM_CLICK, 0, 0); }

void CheckSays(const ModalLog& log, const char* pszText, bool bSays, int nLine) {
  if ((strstr(log.szMessage, pszText) != NULL) != bSays)
    CheckFailedText(__FILE__, nLine, bSays ? "message says" : "message does not say", log.szMessage, pszText);
}

// Each window that opened over the dialog came in front, owned by it, through the one activation the dialog
// lets go for it (Wine activates it anyway; Windows would leave it behind the dialog).
void CheckOpenedInFront(const CProbeDlg& dlg, const ModalLog& log, int nWindows) {
  CHECK_EQ(log.nNotInFront, 0);
  CHECK_EQ(log.nGateLeftOpen, 0);
  CHECK_EQ(dlg.m_nDeactivationsRefused, 0);
  CHECK_EQ(dlg.m_nDeactivationsAllowed, nWindows);
  if (nWindows > 0) CHECK(log.hOwner == dlg.m_hWnd);
}

// One change of a page (a click on the choice already made changes nothing): the first Apply prompts if the
// family reads that direction at start-up, "Restart later" returns to the dialog, and neither a later Apply
// nor OK prompts again.
void RunOneChange(int nPage, int nExpectedPrompts) {
  CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
             HWND hPage = ShowPage(dlg, nPage).m_hWnd;
             ClickItem(hPage, IDC_DISABLED);
             ClickItem(hPage, IDC_DISABLED);
             HoverEnabled(hPage);
             CHECK(DescriptionShown(hPage));
             ModalLog log;
             StartAnswering(dlg, &log);
             ClickApply(dlg);
             if (nExpectedPrompts > 0) CHECK(!DescriptionShown(hPage));  // the pointer went to the prompt
             CHECK_EQ(log.nPrompts, nExpectedPrompts);
             CHECK_EQ(log.nMessages, 0);
             CheckOpenedInFront(dlg, log, nExpectedPrompts);
             CHECK(::IsWindowVisible(dlg.m_hWnd));  // Apply keeps the window open

             ClickItem(hPage, IDC_ENABLED);
             ClickItem(hPage, IDC_DISABLED);  // three changes: odd again
             ClickApply(dlg);
             ClickOk(dlg);
             StopAnswering();
             CHECK_EQ(log.nPrompts, nExpectedPrompts);
           }),
           IDOK);
}

// A choice that cannot be written: one message box, in front and closed by Enter, names the direction (or
// both) and the cause, and OK keeps the window open. Once the cause is gone, OK writes, prompts if the
// family needs it (no prompt was shown before) and closes.
struct FailureCase {
  void (*pfnBreak)();
  int nPage, nClick;        // the choice made
  const char* pszSays[2];   // the directions, then the cause
  const char* pszNotSaid;
  void (*pfnRepair)();
  int nPromptsAfterRepair;
};

void RunFailThenRepair(const FailureCase& c) {
  c.pfnBreak();
  CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
             HWND hPage = ShowPage(dlg, c.nPage).m_hWnd;
             ClickItem(hPage, c.nClick);
             HoverEnabled(hPage);
             ModalLog log;
             StartAnswering(dlg, &log);
             ClickApply(dlg);
             CHECK_EQ(log.nMessages, 1);
             CHECK_EQ(log.nPrompts, 0);
             CheckOpenedInFront(dlg, log, 1);
             for (const char* pszText : c.pszSays) CheckSays(log, pszText, true, __LINE__);
             CheckSays(log, c.pszNotSaid, false, __LINE__);
             CheckSays(log, "was changed", false, __LINE__);
             CHECK(!DescriptionShown(hPage));
             CHECK(::IsWindowVisible(dlg.m_hWnd));

             ClickOk(dlg);  // fails again: the window stays
             CHECK_EQ(log.nMessages, 2);
             CHECK(::IsWindowVisible(dlg.m_hWnd));

             c.pfnRepair();
             ClickOk(dlg);
             StopAnswering();
             CHECK_EQ(log.nMessages, 2);
             CHECK_EQ(log.nPrompts, c.nPromptsAfterRepair);
           }),
           IDOK);
}

void ConnectCard() { SetCardNames("Audioscape Arpeggio Deluxe"); }

}  // namespace

GUI_TEST(EvenChangesWriteWithoutPromptAndAnUnshownPageIsLeftAlone) {
  SetValueHex("drv", kValueEnableInput, "05000000");
  SetValueHex("drv", kValueOutputSource, "00000000");
  RunScripted([](CProbeDlg& dlg) {
    HWND hPage = dlg.m_pSheet->m_pageIn.m_hWnd;
    static const int kClicks[] = {IDC_ENABLED, IDC_DISABLED, IDC_DISABLED, IDC_ENABLED};
    for (int nClick : kClicks) {
      ClickItem(hPage, nClick);
      CHECK_EQ(CheckedRadio(hPage), nClick);
    }
    ModalLog log;
    StartAnswering(dlg, &log);
    ClickApply(dlg);
    StopAnswering();
    CHECK_EQ(log.nPrompts + log.nMessages, 0);
    dlg.EndDialog(IDCANCEL);
  });
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

GUI_TEST(NtFailedApplyWithoutTheDriverThenPrompts) {
  RunFailThenRepair({[] { DeleteKeyOf("drv"); }, 0, IDC_ENABLED,
                     {"optical input could not be changed", "driver does not seem to be installed"}, "output",
                     [] { SetValueHex("drv", kValueEnableInput, "00000000"); }, 1});
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");
}

// Read but not written: the driver's key is read-only, as for a user without administrator rights.
GUI_TEST(NtFailedApplyWithoutRightsNamesBothDirections) {
  RunFailThenRepair({[] { SetKeyReadOnly("drv", true); }, 1, IDC_DISABLED,
                     {"Neither the optical input nor the optical output could be changed", "administrator rights"},
                     "driver", [] { SetKeyReadOnly("drv", false); }, 1});
  CHECK_VALUE("drv", "SPDIFOutputSource", "00000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightFailedApplyWithoutTheCardsMixer) {
  RunFailThenRepair({[] { SetCardNames(""); }, 0, IDC_ENABLED,
                     {"optical input could not be changed", "mixer was not found"}, "output", ConnectCard, 0});
  CHECK(!IsOpticalMuted());
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightFailedApplyOfTheOutputAlone) {
  RunFailThenRepair({[] { DeleteKeyOf("cpl"); }, 1, IDC_DISABLED,
                     {"The optical output could not be changed", "driver does not seem to be installed"}, "input",
                     [] { SetValueHex("cpl", kValueSourceSelection, "02000000"); }, 1});
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
}

// The 95 family without the card's mixer, one change on each page: the output is written, the input is not.
// One message says both, with the cause, and the prompt for the output follows it.
GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightPartlyFailedApplyNamesBothThenPrompts) {
  SetCardNames("");
  RunScripted([](CProbeDlg& dlg) {
    ClickItem(ShowPage(dlg, 0).m_hWnd, IDC_ENABLED);
    ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
    ModalLog log;
    StartAnswering(dlg, &log);
    ClickApply(dlg);
    StopAnswering();
    if (strcmp(log.szOrder, "MP") != 0) CheckFailedText(__FILE__, __LINE__, "windows", log.szOrder, "MP");
    CheckSays(log, "optical output was changed", true, __LINE__);
    CheckSays(log, "optical input could not be changed", true, __LINE__);
    CheckSays(log, "mixer was not found", true, __LINE__);
    CheckSays(log, "administrator", false, __LINE__);  // Windows 98 has none
    dlg.EndDialog(IDCANCEL);
  });
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
}

// The 95 family without the card's mixer, only the output changed: the input is never applied from a guess,
// so Apply, Apply and OK show no message and one prompt.
GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightWithoutMixerLeavesTheInputAlone) {
  SetCardNames("");
  CHECK_EQ(RunScripted([](CProbeDlg& dlg) {
             ClickItem(ShowPage(dlg, 1).m_hWnd, IDC_DISABLED);
             ModalLog log;
             StartAnswering(dlg, &log);
             ClickApply(dlg);
             ClickApply(dlg);
             ClickOk(dlg);
             StopAnswering();
             CHECK_EQ(log.nMessages, 0);
             CHECK_EQ(log.nPrompts, 1);
           }),
           IDOK);
  CHECK_VALUE("cpl", "SourceSelection", "FF000000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "02000000");
}

namespace {

// Both tabs looked at, then OK: custom on-values (for the output, the source it selects) stay as they are,
// even with a stale backup.
void BothTabsThenOk() {
  CHECK_EQ(RunScripted([](CProbeDlg& dlg) {
             ShowPage(dlg, 0);
             ShowPage(dlg, 1);
             ModalLog log;
             StartAnswering(dlg, &log);
             ClickOk(dlg);
             StopAnswering();
             CHECK_EQ(log.nPrompts + log.nMessages, 0);
           }),
           IDOK);
}

}  // namespace

GUI_TEST(OkOverCustomOnValuesWritesNothing) {
  SetValueHex("drv", kValueEnableInput, "05000000");
  SetValueHex("drv", kValueOutputSource, "03010000");
  SetValueHex("patch", kValueSavedInput, "07000000");
  BothTabsThenOk();
  CHECK_VALUE("drv", "SPDIFEnableInput", "05000000");
  CHECK_VALUE("drv", "SPDIFOutputSource", "03010000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_IN", "07000000");
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, NinetyEightOkOverCustomOnValuesWritesNothing) {
  SetValueHex("cpl", kValueSourceSelection, "03010000");
  SetValueHex("patch", kValueSavedOutput, "09000000");
  BothTabsThenOk();
  CHECK_VALUE("cpl", "SourceSelection", "03010000");
  CHECK_VALUE("patch", "OLD_SDPIF_VALUE_OUT", "09000000");
  CHECK(!IsOpticalMuted());
}

namespace {

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

GUI_TEST_ON(0, RestartNowThatStartsNoRestartLeavesThePromptOpen) {
  g_nStillOpen = 0;
  UINT_PTR idTimer = ::SetTimer(NULL, 0, 10, PressRestartNowThenLater);
  CRestartDlg dlg;
  CHECK_EQ(dlg.DoModal(), IDCANCEL);
  ::KillTimer(NULL, idTimer);
  CHECK_EQ(g_nStillOpen, 1);
}
