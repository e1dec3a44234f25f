// tests/gui/win32/closing_test.cpp: every way of closing ends the modal loop with IDCANCEL and writes none of the
// changed choices; OK ends it with IDOK.
#include <stdio.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "resource.h"

namespace {

void ClickCancel(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDCANCEL), BM_CLICK, 0, 0); }

void ClickOk(CProbeDlg& dlg) { ::SendMessageA(dlg.Item(IDOK), BM_CLICK, 0, 0); }

void ClickCloseGlyph(CProbeDlg& dlg) {
  HWND hGlyph = dlg.Item(IDC_CLOSE);
  ::PostMessageA(hGlyph, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  ::PostMessageA(hGlyph, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
}

// Escape typed with the focus on a page's control: the embedded sheet must leave it to the dialog.
void EscapeOnPage(CProbeDlg& dlg) {
  HWND hRadio = ::GetDlgItem(dlg.m_pSheet->m_pageIn.m_hWnd, IDC_ENABLED);
  ::SetFocus(hRadio);
  ::PostMessageA(hRadio, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(hRadio, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

void EscapeOnButton(CProbeDlg& dlg) {
  HWND hTab = dlg.Item(IDC_OUTPUT_TAB);
  ::SetFocus(hTab);
  ::PostMessageA(hTab, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

void CloseFromSystemMenu(CProbeDlg& dlg) { ::PostMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace

GUI_TEST(ClosingWritesNothingAndOkWritesTheChoices) {
  static const struct {
    const char* pszHow;
    void (*pfnClose)(CProbeDlg&);
    int nResult;
  } kWays[] = {
      {"Cancel", ClickCancel, IDCANCEL},
      {"close glyph", ClickCloseGlyph, IDCANCEL},
      {"Escape on a page", EscapeOnPage, IDCANCEL},
      {"Escape on a tab", EscapeOnButton, IDCANCEL},
      {"system menu Close", CloseFromSystemMenu, IDCANCEL},
      {"OK", ClickOk, IDOK},
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
    CHECK_EQ(log.nPrompts, bOk ? 1 : 0);
    CHECK_VALUE("drv", "SPDIFEnableInput", bOk ? "00000000" : "01000000");
    CHECK_VALUE("drv", "SPDIFOutputSource", bOk ? "00000000" : "02000000");
    CHECK(dlg.m_hWnd == NULL);  // the window went with the loop
    if (CheckFailures() != nBefore) printf("  closed by %s\n", w.pszHow);
  }
}
