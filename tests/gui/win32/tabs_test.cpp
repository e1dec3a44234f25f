// tests/gui/win32/tabs_test.cpp: the image tabs and the page keys switch pages and pictures; pressing a tab
// changes nothing by itself; a page that cannot be shown leaves the pictures with the page that shows.
#include <stdio.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"
#include "resvariant.h"

namespace {

void ExpectPage(CProbeDlg& dlg, int nPage, int nLine) {
  const bool bInput = nPage == 0;
  if (!SameBitmap(dlg.ImageOf(IDC_INPUT_TAB), bInput ? IDB_INPUT_TAB_ON : IDB_INPUT_TAB_OFF))
    CheckFailed(__FILE__, nLine, "Optical-Input tab image", 0, nPage);
  if (!SameBitmap(dlg.ImageOf(IDC_OUTPUT_TAB), bInput ? IDB_OUTPUT_TAB_OFF : IDB_OUTPUT_TAB_ON))
    CheckFailed(__FILE__, nLine, "Optical-Output tab image", 0, nPage);
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

// A key as the dialog's loop gets it: posted to the focused window, the modifiers held in the thread's key state.
void PressKey(UINT vk, bool bCtrl, bool bShift) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
  keys[VK_SHIFT] = bShift ? 0x80 : 0;
  ::SetKeyboardState(keys);
  HWND hFocus = ::GetFocus();
  ::PostMessageA(hFocus, WM_KEYDOWN, vk, 0x00000001);
  ::PostMessageA(hFocus, WM_KEYUP, vk, 0xC0000001);
  Pump();
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
}

void SwitchPagesByKeyboard(CProbeDlg& dlg) {
  static const struct {
    const char* pszKeys;
    UINT vk;
    bool bCtrl, bShift;
    bool bFocusOnPage;  // the focus on the shown page's checked radio button first
    int nPage;
  } kKeys[] = {
      {"Ctrl+Tab", VK_TAB, true, false, false, 1},          {"Ctrl+Shift+Tab", VK_TAB, true, true, false, 0},
      {"Ctrl+PageDown", VK_NEXT, true, false, true, 1},     {"Ctrl+PageUp", VK_PRIOR, true, false, true, 0},
      {"Ctrl+Tab on a page", VK_TAB, true, false, true, 1}, {"Tab", VK_TAB, false, false, false, 1},
      {"PageDown", VK_NEXT, false, false, false, 1},
  };
  ExpectPage(dlg, 0, __LINE__);
  for (const auto& k : kKeys) {
    int nBefore = CheckFailures();
    if (k.bFocusOnPage) {
      HWND hPage = dlg.m_pSheet->GetActivePage()->m_hWnd;
      ::SetFocus(::GetDlgItem(hPage, CheckedRadio(hPage)));
    }
    HWND hFocus = ::GetFocus();
    PressKey(k.vk, k.bCtrl, k.bShift);
    ExpectPage(dlg, k.nPage, __LINE__);
    // The focus never stays behind on a hidden page; a plain Tab moves it, as before.
    CHECK(::IsWindowVisible(::GetFocus()));
    if (k.bFocusOnPage) CHECK(::GetFocus() == dlg.Item(k.nPage == 0 ? IDC_INPUT_TAB : IDC_OUTPUT_TAB));
    if (!k.bCtrl && k.vk == VK_TAB) CHECK(::GetFocus() != hFocus);
    if (CheckFailures() != nBefore) printf("  after %s\n", k.pszKeys);
  }
  dlg.EndDialog(IDCANCEL);
}

// Without template 130 the output page cannot be made: its tab and the page keys leave the input page showing,
// with its pictures, and a choice there is the input's.
void PageThatCannotBeShown(CProbeDlg& dlg) {
  ::SendMessageA(dlg.Item(IDC_OUTPUT_TAB), BM_CLICK, 0, 0);
  ExpectPage(dlg, 0, __LINE__);
  PressKey(VK_TAB, true, false);
  ExpectPage(dlg, 0, __LINE__);
  ClickItem(dlg.m_pSheet->m_pageIn.m_hWnd, IDC_DISABLED);
  CHECK_EQ(dlg.m_pSheet->m_pageIn.m_nState, 1);
  CHECK_EQ(dlg.m_pSheet->m_pageOut.m_nState, -1);
  dlg.EndDialog(IDCANCEL);
}

}  // namespace

GUI_TEST(PageKeysSwitchPagesAndPictures) { RunScripted(SwitchPagesByKeyboard); }

GUI_TEST(APageThatCannotBeShownLeavesTheTabsInStep) {
  char szSelf[MAX_PATH], szCopy[MAX_PATH];
  ::GetModuleFileNameA(NULL, szSelf, sizeof szSelf);
  const bool bWritten = WriteResourceVariant(szSelf, "beamset-no-130", reinterpret_cast<LPCSTR>(RT_DIALOG),
                                             MAKEINTRESOURCEA(IDD_PROPPAGE_OUT), szCopy);
  HMODULE hVariant = bWritten ? ::LoadLibraryExA(szCopy, NULL, LOAD_LIBRARY_AS_DATAFILE) : NULL;
  CHECK(hVariant != NULL);
  if (hVariant == NULL) return;
  HINSTANCE hSaved = AfxGetResourceHandle();
  AfxSetResourceHandle(hVariant);
  RunScripted(PageThatCannotBeShown);
  AfxSetResourceHandle(hSaved);
  ::FreeLibrary(hVariant);
  ::DeleteFileA(szCopy);
}

GUI_TEST(TabsSwitchPagesAndPicturesOnlyOnClick) { RunScripted(SwitchPages); }
