// tests/gui/win32/buttons_test.cpp: OK, Cancel and Apply show their pressed picture while held and their
// released one before the click arrives; the keyboard clicks without touching the pictures.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

struct ImageButton {
  int nID;
  UINT nIDUp, nIDDown;  // the released and pressed pictures
  int nResult;          // how a click ends the dialog; 0 when it stays open
};

const ImageButton kButtons[] = {
    {IDOK, IDB_OK_UP, IDB_OK_DOWN, IDOK},
    {IDCANCEL, IDB_CANCEL_UP, IDB_CANCEL_DOWN, IDCANCEL},
    {IDC_APPLY, IDB_APPLY_UP, IDB_APPLY_DOWN, 0},
};

void EndIfOpen(CProbeDlg& dlg) {
  if (::IsWindowVisible(dlg.m_hWnd)) dlg.EndDialog(IDABORT);
}

void PressAndRelease(CProbeDlg& dlg, const ImageButton& b) {
  HWND hButton = dlg.Item(b.nID);
  ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  CHECK(SameBitmap(dlg.ImageOf(b.nID), b.nIDDown));
  CHECK_EQ(dlg.CountCommands(b.nID), 0);
  CHECK(::GetCapture() == hButton);
  ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
  const CProbeDlg::Command* pClick = dlg.LastCommand(b.nID);
  CHECK(pClick != NULL);
  if (pClick != NULL) {
    CHECK_EQ(pClick->nCode, BN_CLICKED);
    CHECK(SameBitmap(pClick->hImage, b.nIDUp));  // already released when the click arrived
  }
  CHECK(::GetCapture() == NULL);
  CHECK_EQ(::IsWindowVisible(dlg.m_hWnd), b.nResult == 0);
  EndIfOpen(dlg);
}

void PressThenLeave(CProbeDlg& dlg, const ImageButton& b) {
  HWND hButton = dlg.Item(b.nID);
  ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  CHECK(SameBitmap(dlg.ImageOf(b.nID), b.nIDDown));
  // The button holds the capture, so it gets the release even outside itself.
  ::SendMessageA(hButton, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-40, -30));
  ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(-40, -30));
  CHECK(SameBitmap(dlg.ImageOf(b.nID), b.nIDUp));
  CHECK_EQ(dlg.CountCommands(b.nID), 0);
  Pump();
  CHECK(::IsWindowVisible(dlg.m_hWnd));
  dlg.EndDialog(IDABORT);
}

// Space on the focused button, through the dialog's own loop.
void SpaceBar(CProbeDlg& dlg, const ImageButton& b) {
  HWND hButton = dlg.Item(b.nID);
  ::SetFocus(hButton);
  ::PostMessageA(hButton, WM_KEYDOWN, VK_SPACE, 0x00390001);
  Pump();
  CHECK(SameBitmap(dlg.ImageOf(b.nID), b.nIDUp));
  ::PostMessageA(hButton, WM_KEYUP, VK_SPACE, 0xC0390001);
  Pump();
  const CProbeDlg::Command* pClick = dlg.LastCommand(b.nID);
  CHECK(pClick != NULL);
  if (pClick != NULL) CHECK(SameBitmap(pClick->hImage, b.nIDUp));
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
  if (pClick != NULL) CHECK(SameBitmap(pClick->hImage, IDB_APPLY_UP));
  CHECK(SameBitmap(dlg.ImageOf(IDC_APPLY), IDB_APPLY_UP));
  CHECK(::IsWindowVisible(dlg.m_hWnd));  // Apply keeps the window open
  dlg.EndDialog(IDABORT);
}

}  // namespace

GUI_TEST(ImageButtonsShowPressedThenReleasedBeforeClick) {
  for (const ImageButton& b : kButtons) {
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) { PressAndRelease(dlg, b); }), b.nResult != 0 ? b.nResult : IDABORT);
  }
}

GUI_TEST(ImageButtonReleasedOutsideDoesNotClick) {
  for (const ImageButton& b : kButtons) CHECK_EQ(RunScripted([&](CProbeDlg& dlg) { PressThenLeave(dlg, b); }), IDABORT);
}

GUI_TEST(KeyboardClicksWithoutChangingPictures) {
  for (const ImageButton& b : kButtons) {
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) { SpaceBar(dlg, b); }), b.nResult != 0 ? b.nResult : IDABORT);
  }
  CHECK_EQ(RunScripted(EnterOnApply), IDABORT);
}
