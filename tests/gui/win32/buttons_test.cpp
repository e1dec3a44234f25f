// tests/gui/win32/buttons_test.cpp: OK, Cancel and Apply show their pressed picture while held and their
// released one before the click arrives, and do not click when released elsewhere; Enter on the focused Apply
// applies.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

void Press(CProbeDlg& dlg, int nID, UINT nIDPicture) {
  ::SendMessageA(dlg.Item(nID), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  CHECK(SameBitmap(dlg.ImageOf(nID), nIDPicture));
  CHECK(::GetCapture() == dlg.Item(nID));
}

// The button holds the capture, so it gets the release even outside itself.
void Release(CProbeDlg& dlg, int nID, bool bInside) {
  const LPARAM lPoint = bInside ? MAKELPARAM(10, 8) : MAKELPARAM(-40, -30);
  ::SendMessageA(dlg.Item(nID), WM_MOUSEMOVE, MK_LBUTTON, lPoint);
  ::SendMessageA(dlg.Item(nID), WM_LBUTTONUP, 0, lPoint);
}

}  // namespace

GUI_TEST(ImageButtonsShowPressedThenReleasedAndClickOnlyInside) {
  static const struct {
    int nID;
    UINT nIDUp, nIDDown;  // the released and pressed pictures
    int nResult;          // how a click ends the dialog; IDABORT when it stays open
  } kButtons[] = {
      {IDOK, IDB_OK_UP, IDB_OK_DOWN, IDOK},
      {IDCANCEL, IDB_CANCEL_UP, IDB_CANCEL_DOWN, IDCANCEL},
      {IDC_APPLY, IDB_APPLY_UP, IDB_APPLY_DOWN, IDABORT},
  };
  for (const auto& b : kButtons) {
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
               Press(dlg, b.nID, b.nIDDown);
               Release(dlg, b.nID, false);
               CHECK(SameBitmap(dlg.ImageOf(b.nID), b.nIDUp));
               Pump();
               CHECK_EQ(dlg.m_nCommands, 0);

               Press(dlg, b.nID, b.nIDDown);
               CHECK_EQ(dlg.m_nCommands, 0);
               Release(dlg, b.nID, true);
               CHECK_EQ(dlg.m_nCommands, 1);
               CHECK_EQ(dlg.m_nLastCommand, b.nID);
               CHECK(SameBitmap(dlg.m_hLastCommandImage, b.nIDUp));  // already released when the click arrived
               CHECK(::GetCapture() == NULL);
               if (::IsWindowVisible(dlg.m_hWnd)) dlg.EndDialog(IDABORT);
             }),
             b.nResult);
  }
}

// As tabbing there would, the focused push button becomes the default one: Enter clicks it, not OK.
GUI_TEST(EnterOnTheFocusedApplyApplies) {
  CHECK_EQ(RunScripted([](CProbeDlg& dlg) {
             HWND hApply = dlg.Item(IDC_APPLY);
             ::SendMessageA(dlg.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hApply), TRUE);
             ::PostMessageA(hApply, WM_KEYDOWN, VK_RETURN, 0x001C0001);
             Pump();
             CHECK_EQ(dlg.m_nLastCommand, IDC_APPLY);
             CHECK(SameBitmap(dlg.ImageOf(IDC_APPLY), IDB_APPLY_UP));
             CHECK(::IsWindowVisible(dlg.m_hWnd));
             dlg.EndDialog(IDABORT);
           }),
           IDABORT);
}
