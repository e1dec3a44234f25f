// tests/gui/win32/buttons_test.cpp: OK, Cancel and Apply show their pressed picture while held and their
// released one before the click arrives; the keyboard clicks without touching the pictures.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

struct ImageButton {
  int nID;
  CBitmap CBeamsetDlg::*pmUp;
  CBitmap CBeamsetDlg::*pmDown;
  int nResult;  // how a click ends the dialog; 0 when it stays open
};

const ImageButton kButtons[] = {
    {IDOK, &CBeamsetDlg::m_bmpOkUp, &CBeamsetDlg::m_bmpOkDown, IDOK},
    {IDCANCEL, &CBeamsetDlg::m_bmpCancelUp, &CBeamsetDlg::m_bmpCancelDown, IDCANCEL},
    {IDC_APPLY, &CBeamsetDlg::m_bmpApplyUp, &CBeamsetDlg::m_bmpApplyDown, 0},
};

const ImageButton* g_pButton = NULL;

void EndIfOpen(CProbeDlg& dlg) {
  if (::IsWindowVisible(dlg.m_hWnd)) dlg.EndDialog(IDABORT);
}

void PressAndRelease(CProbeDlg& dlg) {
  const ImageButton& b = *g_pButton;
  HWND hButton = dlg.Item(b.nID);
  ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  CHECK(dlg.ImageOf(b.nID) == (HBITMAP)(dlg.*b.pmDown));
  CHECK_EQ(dlg.CountCommands(b.nID), 0);
  CHECK(::GetCapture() == hButton);
  ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
  const CProbeDlg::Command* pClick = dlg.LastCommand(b.nID);
  CHECK(pClick != NULL);
  if (pClick != NULL) {
    CHECK_EQ(pClick->nCode, BN_CLICKED);
    CHECK(pClick->hImage == (HBITMAP)(dlg.*b.pmUp));  // already released when the click arrived
  }
  CHECK(::GetCapture() == NULL);
  CHECK_EQ(::IsWindowVisible(dlg.m_hWnd), b.nResult == 0);
  EndIfOpen(dlg);
}

void PressThenLeave(CProbeDlg& dlg) {
  const ImageButton& b = *g_pButton;
  HWND hButton = dlg.Item(b.nID);
  ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  CHECK(dlg.ImageOf(b.nID) == (HBITMAP)(dlg.*b.pmDown));
  // The button holds the capture, so it gets the release even outside itself.
  ::SendMessageA(hButton, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-40, -30));
  ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(-40, -30));
  CHECK(dlg.ImageOf(b.nID) == (HBITMAP)(dlg.*b.pmUp));
  CHECK_EQ(dlg.CountCommands(b.nID), 0);
  Pump();
  CHECK(::IsWindowVisible(dlg.m_hWnd));
  dlg.EndDialog(IDABORT);
}

// Space on the focused button, through the dialog's own loop.
void SpaceBar(CProbeDlg& dlg) {
  const ImageButton& b = *g_pButton;
  HWND hButton = dlg.Item(b.nID);
  ::SetFocus(hButton);
  ::PostMessageA(hButton, WM_KEYDOWN, VK_SPACE, 0x00390001);
  Pump();
  CHECK(dlg.ImageOf(b.nID) == (HBITMAP)(dlg.*b.pmUp));
  ::PostMessageA(hButton, WM_KEYUP, VK_SPACE, 0xC0390001);
  Pump();
  const CProbeDlg::Command* pClick = dlg.LastCommand(b.nID);
  CHECK(pClick != NULL);
  if (pClick != NULL) CHECK(pClick->hImage == (HBITMAP)(dlg.*b.pmUp));
  EndIfOpen(dlg);
}

void EnterOnApply(CProbeDlg& dlg) {
  HWND hApply = dlg.Item(IDC_APPLY);
  // As tabbing there would: the focused push button becomes the default one.
  ::SendMessageA(dlg.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hApply), TRUE);
  ::PostMessageA(hApply, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  Pump();
  const CProbeDlg::Command* pClick = dlg.LastCommand(IDC_APPLY);
  CHECK(pClick != NULL);
  if (pClick != NULL) CHECK(pClick->hImage == (HBITMAP)dlg.m_bmpApplyUp);
  CHECK(dlg.ImageOf(IDC_APPLY) == (HBITMAP)dlg.m_bmpApplyUp);
  CHECK(::IsWindowVisible(dlg.m_hWnd));  // Apply keeps the window open
  dlg.EndDialog(IDABORT);
}

}  // namespace

GUI_TEST(ImageButtonsShowPressedThenReleasedBeforeClick) {
  for (const ImageButton& b : kButtons) {
    g_pButton = &b;
    CProbeDlg dlg;
    int nResult = RunScripted(dlg, PressAndRelease);
    CHECK_EQ(nResult, b.nResult != 0 ? b.nResult : IDABORT);
  }
}

GUI_TEST(ImageButtonReleasedOutsideDoesNotClick) {
  for (const ImageButton& b : kButtons) {
    g_pButton = &b;
    CProbeDlg dlg;
    CHECK_EQ(RunScripted(dlg, PressThenLeave), IDABORT);
  }
}

GUI_TEST(KeyboardClicksWithoutChangingPictures) {
  for (const ImageButton& b : kButtons) {
    g_pButton = &b;
    CProbeDlg dlg;
    CHECK_EQ(RunScripted(dlg, SpaceBar), b.nResult != 0 ? b.nResult : IDABORT);
  }
  CProbeDlg dlg;
  CHECK_EQ(RunScripted(dlg, EnterOnApply), IDABORT);
}
