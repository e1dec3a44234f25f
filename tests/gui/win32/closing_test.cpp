// tests/gui/win32/closing_test.cpp: every way of closing ends the modal loop with IDCANCEL and writes none of the
// changed choices; OK ends it with IDOK.
#include <stdio.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "resource.h"

namespace {

void PressEscape(HWND hFocus) {
  ::SetFocus(hFocus);
  ::PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(hFocus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

}  // namespace

GUI_TEST(ClosingWritesNothingAndOkWritesTheChoices) {
  static const struct {
    const char* pszHow;
    void (*pfnClose)(CProbeDlg&);
    int nResult;
  } kWays[] = {
      {"Cancel", [](CProbeDlg& d) { ClickItem(d.m_hWnd, IDCANCEL); }, IDCANCEL},
      {"close glyph",
       [](CProbeDlg& d) {
         ::PostMessageA(d.Item(IDC_CLOSE), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
         ::PostMessageA(d.Item(IDC_CLOSE), WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
       },
       IDCANCEL},
      // The embedded sheet must leave Escape on a page's control to the dialog.
      {"Escape on a page", [](CProbeDlg& d) { PressEscape(::GetDlgItem(d.m_pSheet->m_pageIn.m_hWnd, IDC_ENABLED)); },
       IDCANCEL},
      {"Escape on a tab", [](CProbeDlg& d) { PressEscape(d.Item(IDC_OUTPUT_TAB)); }, IDCANCEL},
      {"system menu Close", [](CProbeDlg& d) { ::PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
      {"OK", [](CProbeDlg& d) { ClickItem(d.m_hWnd, IDOK); }, IDOK},
  };
  for (const auto& w : kWays) {
    ResetMachine();
    CProbeDlg dlg;
    ModalLog log;
    const int nBefore = CheckFailures();
    // Both directions changed, the input page shown again, then closed.
    int nResult = RunScripted(dlg, [&](CProbeDlg& d) {
      ClickItem(ShowPage(d, 1).m_hWnd, IDC_DISABLED);
      ClickItem(ShowPage(d, 0).m_hWnd, IDC_DISABLED);
      StartAnswering(d, &log);
      w.pfnClose(d);
    });
    StopAnswering();
    CHECK_EQ(nResult, w.nResult);
    const bool bOk = w.nResult == IDOK;
    CHECK_STR(log.szOrder, bOk ? "P" : "");
    CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), bOk ? "00000000" : "01000000");
    CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), bOk ? "00000000" : "02000000");
    CHECK(dlg.m_hWnd == NULL);  // the window went with the loop
    if (CheckFailures() != nBefore) printf("  closed by %s\n", w.pszHow);
  }
}
