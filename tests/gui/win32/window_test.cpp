// tests/gui/win32/window_test.cpp: the main window's start-up state, system menu, hit testing, activation,
// erasing, the embedded sheet and the minimised icon.
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

POINT ScreenPoint(HWND hWnd, int x, int y) {
  POINT pt = {x, y};
  ::ClientToScreen(hWnd, &pt);
  return pt;
}

LPARAM Packed(POINT pt) { return MAKELPARAM(pt.x, pt.y); }

void CheckStartState(CProbeDlg& dlg) {
  // Each bitmap member holds the resource it is named after.
  static const struct {
    CBitmap CBeamsetDlg::*pm;
    UINT nID;
  } kBitmaps[] = {
      {&CBeamsetDlg::m_bmpApplyUp, IDB_APPLY_UP},
      {&CBeamsetDlg::m_bmpCancelUp, IDB_CANCEL_UP},
      {&CBeamsetDlg::m_bmpOkUp, IDB_OK_UP},
      {&CBeamsetDlg::m_bmpApplyDown, IDB_APPLY_DOWN},
      {&CBeamsetDlg::m_bmpCancelDown, IDB_CANCEL_DOWN},
      {&CBeamsetDlg::m_bmpOkDown, IDB_OK_DOWN},
      {&CBeamsetDlg::m_bmpInputTabOff, IDB_INPUT_TAB_OFF},
      {&CBeamsetDlg::m_bmpOutputTabOff, IDB_OUTPUT_TAB_OFF},
      {&CBeamsetDlg::m_bmpInputTabOn, IDB_INPUT_TAB_ON},
      {&CBeamsetDlg::m_bmpOutputTabOn, IDB_OUTPUT_TAB_ON},
  };
  for (const auto& b : kBitmaps) {
    if (!SameBitmap(dlg.*b.pm, b.nID)) CheckFailed(__FILE__, __LINE__, "bitmap member holds its resource", 0, b.nID);
  }
  // The buttons start on their released pictures and the input page.
  CHECK(dlg.ImageOf(IDOK) == (HBITMAP)dlg.m_bmpOkUp);
  CHECK(dlg.ImageOf(IDCANCEL) == (HBITMAP)dlg.m_bmpCancelUp);
  CHECK(dlg.ImageOf(IDC_APPLY) == (HBITMAP)dlg.m_bmpApplyUp);
  CHECK(dlg.ImageOf(IDC_INPUT_TAB) == (HBITMAP)dlg.m_bmpInputTabOn);
  CHECK(dlg.ImageOf(IDC_OUTPUT_TAB) == (HBITMAP)dlg.m_bmpOutputTabOff);

  char szTitle[64] = "";
  ::GetWindowTextA(dlg.m_hWnd, szTitle, sizeof szTitle);
  CHECK(strcmp(szTitle, "Corvane Beamset") == 0);
  LONG lStyle = ::GetWindowLongA(dlg.m_hWnd, GWL_STYLE);
  CHECK_EQ(lStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION), WS_SYSMENU | WS_MINIMIZEBOX);
  CHECK(::SendMessageA(dlg.m_hWnd, WM_GETICON, ICON_BIG, 0) == (LRESULT)dlg.m_hIcon);
  CHECK(dlg.m_hIcon != NULL);
  CHECK(::SendMessageA(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0) == (LRESULT)dlg.m_hIcon);

  // 333 x 208 dialog units at 6 x 13 base units.
  RECT rc;
  ::GetWindowRect(dlg.m_hWnd, &rc);
  CHECK_EQ(rc.right - rc.left, 500);
  CHECK_EQ(rc.bottom - rc.top, 338);
  CHECK_EQ(dlg.m_bAllowDeactivate, 0);
  CHECK_EQ(dlg.m_bRestartPrompted, 0);
  dlg.EndDialog(IDCANCEL);
}

void CheckSheet(CProbeDlg& dlg) {
  CHECK(dlg.m_pSheet != NULL);
  if (dlg.m_pSheet == NULL) return dlg.EndDialog(IDCANCEL);
  HWND hSheet = dlg.m_pSheet->m_hWnd;
  CHECK(::GetParent(hSheet) == dlg.m_hWnd);
  RECT rc;
  ::GetWindowRect(hSheet, &rc);
  ::MapWindowPoints(NULL, dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  CHECK_EQ(rc.left, -4);
  CHECK_EQ(rc.top, 60);
  HWND hTab = ::GetDlgItem(hSheet, 0x3020);
  CHECK(hTab != NULL);
  CHECK(!::IsWindowVisible(hTab));
  // A modeless sheet shows none of comctl32's buttons.
  static const int kSheetButtons[] = {IDOK, IDCANCEL, 0x3021, IDHELP};
  for (int id : kSheetButtons) {
    HWND h = ::GetDlgItem(hSheet, id);
    if (h != NULL && (::IsWindowVisible(h) || ::IsWindowEnabled(h)))
      CheckFailed(__FILE__, __LINE__, "sheet button hidden", id, 0);
  }
  CHECK_EQ(dlg.m_pSheet->GetPageCount(), 2);
  CHECK(dlg.m_pSheet->GetPage(0) == &dlg.m_pSheet->m_pageIn);
  CHECK_EQ(dlg.m_pSheet->GetActiveIndex(), 0);
  // The input page lies on the panel; the output page's window does not exist until it is shown.
  CHECK(::IsWindowVisible(dlg.m_pSheet->m_pageIn.m_hWnd));
  CHECK(dlg.m_pSheet->m_pageOut.m_hWnd == NULL);
  ::GetWindowRect(dlg.m_pSheet->m_pageIn.m_hWnd, &rc);
  ::MapWindowPoints(NULL, dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  CHECK_EQ(rc.left, 6);
  CHECK_EQ(rc.top, 89);
  CHECK(dlg.m_pSheet->IsKindOf(RUNTIME_CLASS(CPropertySheet)));
  CHECK(strcmp(dlg.m_pSheet->GetRuntimeClass()->m_lpszClassName, "COpticalPropSheet") == 0);
  CHECK(dlg.m_pSheet->GetRuntimeClass()->m_pfnCreateObject == NULL);
  // The pages are creatable from their run-time classes.
  const CRuntimeClass* kPageClasses[] = {RUNTIME_CLASS(CPropPageIn), RUNTIME_CLASS(CPropPageOut)};
  for (const CRuntimeClass* pClass : kPageClasses) {
    CObject* pPage = pClass->CreateObject();
    CHECK(pPage != NULL && pPage->IsKindOf(RUNTIME_CLASS(CPropertyPage)));
    delete pPage;
  }

  // Neither window erases: a known colour survives WM_ERASEBKGND.
  HDC hdc = ::CreateCompatibleDC(NULL);
  HBITMAP hbm = ::CreateBitmap(8, 8, 1, 32, NULL);
  HGDIOBJ hOld = ::SelectObject(hdc, hbm);
  HWND kErasers[] = {dlg.m_hWnd, hSheet};
  for (HWND h : kErasers) {
    ::SetPixel(hdc, 2, 2, RGB(1, 2, 3));
    CHECK_EQ(::SendMessageA(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0), FALSE);
    CHECK_EQ(::GetPixel(hdc, 2, 2), RGB(1, 2, 3));
  }
  ::SelectObject(hdc, hOld);
  ::DeleteObject(hbm);
  ::DeleteDC(hdc);
  dlg.EndDialog(IDCANCEL);
}

void CheckHitTestAndActivation(CProbeDlg& dlg) {
  HWND hDlg = dlg.m_hWnd;
  // Client hits on the dialog become caption hits; other answers and the children's own pass unchanged.
  struct {
    HWND hWnd;
    POINT pt;
    LRESULT nExpected;
  } kHits[] = {
      {hDlg, ScreenPoint(hDlg, 100, 20), HTCAPTION},
      {hDlg, ScreenPoint(hDlg, 250, 320), HTCAPTION},  // between the buttons, and where a child lies
      {hDlg, ScreenPoint(hDlg, 600, 500), HTNOWHERE},
      {dlg.Item(IDOK), ScreenPoint(hDlg, 250, 310), HTCLIENT},
      {dlg.Item(IDC_INPUT_TAB), ScreenPoint(hDlg, 40, 75), HTCLIENT},
  };
  for (const auto& h : kHits) {
    CHECK_EQ(::SendMessageA(h.hWnd, WM_NCHITTEST, 0, Packed(h.pt)), h.nExpected);
  }

  // WM_NCACTIVATE answers FALSE, whatever it asks, until the flag lets exactly one through.
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, FALSE, 0), FALSE);
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, TRUE, 0), FALSE);
  dlg.m_bAllowDeactivate = 1;
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, TRUE, 0), TRUE);
  CHECK_EQ(dlg.m_bAllowDeactivate, 0);
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, FALSE, 0), FALSE);
  dlg.m_bAllowDeactivate = 1;
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, FALSE, 0), TRUE);
  CHECK_EQ(::SendMessageA(hDlg, WM_NCACTIVATE, FALSE, 0), FALSE);
  dlg.EndDialog(IDCANCEL);
}

int g_nAboutSeen = 0;
HWND g_hAboutOwner = NULL;

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hAbout = FindThreadWindow("About Beamset");
  if (hAbout == NULL) return;  // not open (yet)
  ::KillTimer(NULL, idEvent);
  ++g_nAboutSeen;
  g_hAboutOwner = ::GetWindow(hAbout, GW_OWNER);
  ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
}

// Sends a system command; true when it opened the About box (closed again here).
bool SysCommandOpensAbout(HWND hDlg, WPARAM nID) {
  int nBefore = g_nAboutSeen;
  UINT_PTR idTimer = ::SetTimer(NULL, 0, 10, CloseAbout);
  ::SendMessageA(hDlg, WM_SYSCOMMAND, nID, 0);
  ::KillTimer(NULL, idTimer);
  return g_nAboutSeen > nBefore;
}

void CheckSystemCommands(CProbeDlg& dlg) {
  HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
  int n = ::GetMenuItemCount(hMenu);
  CHECK(n >= 2);
  char sz[64] = "";
  ::GetMenuStringA(hMenu, n - 1, sz, sizeof sz, MF_BYPOSITION);
  CHECK(strcmp(sz, "&About Beamset...") == 0);
  CHECK_EQ(::GetMenuItemID(hMenu, n - 1), IDM_ABOUTBOX);
  CHECK(::GetMenuState(hMenu, n - 2, MF_BYPOSITION) & MF_SEPARATOR);

  // The low four bits are masked off: 0x10 to 0x1F all mean About.
  static const WPARAM kAbout[] = {0x0010, 0x0013, 0x001F};
  for (WPARAM nID : kAbout) {
    if (!SysCommandOpensAbout(dlg.m_hWnd, nID))
      CheckFailed(__FILE__, __LINE__, "opens About", static_cast<long>(nID), 1);
  }
  CHECK(g_hAboutOwner == dlg.m_hWnd);
  CHECK_EQ(dlg.m_bAllowDeactivate, 0);  // the About box does not open the activation gate
  static const WPARAM kNotAbout[] = {0x000F, 0x0020, 0x00F0};
  for (WPARAM nID : kNotAbout) {
    if (SysCommandOpensAbout(dlg.m_hWnd, nID))
      CheckFailed(__FILE__, __LINE__, "goes to default processing", static_cast<long>(nID), 0);
  }
  // Default processing really runs: minimise and restore.
  ::SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  CHECK(::IsIconic(dlg.m_hWnd));
  // Painted while minimised, it erases the icon background first.
  ::SendMessageA(dlg.m_hWnd, WM_PAINT, 0, 0);
  CHECK(dlg.m_nIconEraseBkgnds >= 1);
  ::SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  CHECK(!::IsIconic(dlg.m_hWnd));
  dlg.EndDialog(IDCANCEL);
}

}  // namespace

GUI_TEST(StartStateHasReleasedImagesAndInputTab) { RunScripted(CheckStartState); }

GUI_TEST(SheetIsEmbeddedWithoutTabsAndNothingErases) { RunScripted(CheckSheet); }

GUI_TEST(HitTestDragsByBackgroundAndActivationGateOpensOnce) { RunScripted(CheckHitTestAndActivation); }

GUI_TEST(SystemCommandsOpenAboutOrGoToDefault) { RunScripted(CheckSystemCommands); }

GUI_TEST(MinimisedIconIsCentredRoundingHalfUp) {
  static const struct {
    int cx, cy, cxIcon, cyIcon, x, y;
  } kCases[] = {
      {0, 0, 32, 32, -15, -15},  // divisions truncate toward zero
      {500, 339, 32, 32, 234, 154}, {16, 16, 32, 32, -7, -7}, {33, 34, 32, 32, 1, 1}, {48, 48, 16, 16, 16, 16},
  };
  for (const auto& c : kCases) {
    CPoint pt = CBeamsetDlg::IconOrigin(CRect(0, 0, c.cx, c.cy), c.cxIcon, c.cyIcon);
    CHECK_EQ(pt.x, c.x);
    CHECK_EQ(pt.y, c.y);
  }
}
