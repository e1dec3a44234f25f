// tests/gui/win32/closing_test.cpp: every way of closing ends the modal loop with IDCANCEL, except OK.
#include "check.h"
#include "guitest.h"
#include "harness.h"
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

GUI_TEST(ClosingEndsWithCancelAndOkWithOk) {
  static const struct {
    const char* pszHow;
    void (*pfnScript)(CProbeDlg&);
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
    CProbeDlg dlg;
    int nResult = RunScripted(dlg, w.pfnScript);
    if (nResult != w.nResult) CheckFailed(__FILE__, __LINE__, w.pszHow, nResult, w.nResult);
    // The window and the sheet went with the loop; the object lives on without them.
    CHECK(dlg.m_hWnd == NULL);
    CHECK(dlg.m_pSheet == NULL);
    CHECK(dlg.m_btnOk.m_hWnd == NULL);
  }
}
