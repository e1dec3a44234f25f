// tests/gui/win32/tabs_test.cpp: the image tabs switch pages and pictures; pressing a tab changes nothing by itself.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

void ExpectPage(CProbeDlg& dlg, int nPage, int nLine) {
  bool bInput = nPage == 0;
  HBITMAP hIn = bInput ? (HBITMAP)dlg.m_bmpInputTabOn : (HBITMAP)dlg.m_bmpInputTabOff;
  HBITMAP hOut = bInput ? (HBITMAP)dlg.m_bmpOutputTabOff : (HBITMAP)dlg.m_bmpOutputTabOn;
  if (dlg.ImageOf(IDC_INPUT_TAB) != hIn) CheckFailed(__FILE__, nLine, "Optical-Input tab image", 0, nPage);
  if (dlg.ImageOf(IDC_OUTPUT_TAB) != hOut) CheckFailed(__FILE__, nLine, "Optical-Output tab image", 0, nPage);
  if (dlg.m_pSheet->GetActiveIndex() != nPage)
    CheckFailed(__FILE__, nLine, "active page", dlg.m_pSheet->GetActiveIndex(), nPage);
  CPropertyPage* pShown = dlg.m_pSheet->GetPage(nPage);
  CPropertyPage* pHidden = dlg.m_pSheet->GetPage(1 - nPage);
  if (!::IsWindowVisible(pShown->m_hWnd)) CheckFailed(__FILE__, nLine, "shown page visible", 0, nPage);
  if (pHidden->m_hWnd != NULL && ::IsWindowVisible(pHidden->m_hWnd))
    CheckFailed(__FILE__, nLine, "other page hidden", 1, 0);
}

bool WholeClientInvalid(HWND hWnd) {
  RECT rcUpdate, rcClient;
  ::GetClientRect(hWnd, &rcClient);
  return ::GetUpdateRect(hWnd, &rcUpdate, FALSE) && ::EqualRect(&rcUpdate, &rcClient);
}

void SwitchPages(CProbeDlg& dlg) {
  ExpectPage(dlg, 0, __LINE__);
  HWND hOutTab = dlg.Item(IDC_OUTPUT_TAB);

  // A press on a tab leaves its picture alone; the click that follows switches.
  ::SendMessageA(hOutTab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  CHECK(dlg.ImageOf(IDC_OUTPUT_TAB) == (HBITMAP)dlg.m_bmpOutputTabOff);
  CHECK_EQ(dlg.CountCommands(IDC_OUTPUT_TAB), 0);
  ::SendMessageA(hOutTab, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  CHECK_EQ(dlg.CountCommands(IDC_OUTPUT_TAB), 1);
  ExpectPage(dlg, 1, __LINE__);
  CHECK(dlg.m_pSheet->m_pageOut.m_hWnd != NULL);  // created on first show
  Pump();

  // The same tab again selects the same page, sets the same pictures and repaints everything.
  HWND hPageOut = dlg.m_pSheet->m_pageOut.m_hWnd;
  ::ValidateRect(dlg.m_hWnd, NULL);
  int nPaints = dlg.m_nPaints;
  ::SendMessageA(hOutTab, BM_CLICK, 0, 0);
  ExpectPage(dlg, 1, __LINE__);
  CHECK(WholeClientInvalid(dlg.m_hWnd));
  Pump();
  CHECK(dlg.m_nPaints > nPaints);
  CHECK(dlg.m_pSheet->m_pageOut.m_hWnd == hPageOut);  // the page's window is kept

  // And back to the input page, its window kept too.
  HWND hPageIn = dlg.m_pSheet->m_pageIn.m_hWnd;
  HWND hInTab = dlg.Item(IDC_INPUT_TAB);
  ::SendMessageA(hInTab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  CHECK(dlg.ImageOf(IDC_INPUT_TAB) == (HBITMAP)dlg.m_bmpInputTabOff);
  ::SendMessageA(hInTab, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ExpectPage(dlg, 0, __LINE__);
  CHECK(dlg.m_pSheet->m_pageIn.m_hWnd == hPageIn);
  dlg.EndDialog(IDCANCEL);
}

void WithoutSheet(CProbeDlg& dlg) {
  // What a failed sheet creation leaves behind: the tabs must do nothing rather than crash.
  delete dlg.m_pSheet;
  dlg.m_pSheet = NULL;
  ::SendMessageA(dlg.Item(IDC_OUTPUT_TAB), BM_CLICK, 0, 0);
  CHECK_EQ(dlg.CountCommands(IDC_OUTPUT_TAB), 1);
  CHECK(dlg.ImageOf(IDC_OUTPUT_TAB) == (HBITMAP)dlg.m_bmpOutputTabOff);
  ::SendMessageA(dlg.Item(IDC_INPUT_TAB), BM_CLICK, 0, 0);
  CHECK(dlg.ImageOf(IDC_INPUT_TAB) == (HBITMAP)dlg.m_bmpInputTabOn);
  Pump();
  ::SendMessageA(dlg.Item(IDCANCEL), BM_CLICK, 0, 0);
}

}  // namespace

GUI_TEST(TabsSwitchPagesAndPicturesOnlyOnClick) { RunScripted(SwitchPages); }

GUI_TEST(TabsDoNothingWithoutSheet) { CHECK_EQ(RunScripted(WithoutSheet), IDCANCEL); }
