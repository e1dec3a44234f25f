// tests/gui/win32/tabs_test.cpp: the image tabs and the page keys switch pages (the tabs' pictures with them are
// the screenshot test's); a switch repaints the whole window and never leaves the focus on a hidden page.
#include <stdio.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

// A click on a tab, even the shown page's, selects its page and invalidates the whole window.
GUI_TEST(TabsSwitchPagesAndRepaintTheWindow) {
  RunScripted([](CProbeDlg& dlg) {
    static const int kTabs[] = {IDC_OUTPUT_TAB, IDC_OUTPUT_TAB, IDC_INPUT_TAB};
    for (int nTab : kTabs) {
      ::ValidateRect(dlg.m_hWnd, NULL);
      ClickItem(dlg.m_hWnd, nTab);
      CHECK_EQ(dlg.m_pSheet->GetActiveIndex(), nTab == IDC_INPUT_TAB ? 0 : 1);
      RECT rcUpdate, rcClient;
      ::GetClientRect(dlg.m_hWnd, &rcClient);
      CHECK(::GetUpdateRect(dlg.m_hWnd, &rcUpdate, FALSE) && ::EqualRect(&rcUpdate, &rcClient));
    }
    dlg.EndDialog(IDCANCEL);
  });
}

// The Ctrl keys from a tab are keyboard-test.sh's; here they start on a page, whose focus moves to the tab
// shown, and the plain keys switch nothing.
GUI_TEST(PageKeysSwitchPagesAndTakeTheFocusOffTheHiddenOne) {
  RunScripted([](CProbeDlg& dlg) {
    static const struct {
      const char* pszKeys;
      UINT vk;
      bool bCtrl, bShift;
      int nPage;
    } kKeys[] = {
        {"Ctrl+PageDown", VK_NEXT, true, false, 1}, {"Ctrl+PageUp", VK_PRIOR, true, false, 0},
        {"Ctrl+Tab", VK_TAB, true, false, 1},       {"Ctrl+Shift+Tab", VK_TAB, true, true, 0},
        {"PageDown", VK_NEXT, false, false, 0},     {"Tab", VK_TAB, false, false, 0},
    };
    for (const auto& k : kKeys) {
      const int nBefore = CheckFailures();
      HWND hPage = dlg.m_pSheet->GetActivePage()->m_hWnd;
      ::SetFocus(::GetDlgItem(hPage, CheckedRadio(hPage)));
      HWND hFocus = ::GetFocus();
      PressKey(k.vk, k.bCtrl, k.bShift);
      CHECK_EQ(dlg.m_pSheet->GetActiveIndex(), k.nPage);
      if (k.bCtrl) CHECK(::GetFocus() == dlg.Item(k.nPage == 0 ? IDC_INPUT_TAB : IDC_OUTPUT_TAB));
      if (!k.bCtrl && k.vk == VK_TAB) CHECK(::GetFocus() != hFocus);  // a plain Tab moves it, as before
      if (CheckFailures() != nBefore) printf("  after %s\n", k.pszKeys);
    }
    dlg.EndDialog(IDCANCEL);
  });
}
