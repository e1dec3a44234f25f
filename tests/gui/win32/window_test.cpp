// tests/gui/win32/window_test.cpp: the main window's start-up state, the embedded sheet, dragging by the
// background and the system menu.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "resource.h"

GUI_TEST(StartsWithReleasedPicturesTheInputTabAndItsTitleAndIcon) {
  RunScripted([](CProbeDlg& dlg) {
    static const struct {
      int nID;
      UINT nIDBitmap;
    } kPictures[] = {{IDOK, IDB_OK_UP},
                     {IDCANCEL, IDB_CANCEL_UP},
                     {IDC_APPLY, IDB_APPLY_UP},
                     {IDC_INPUT_TAB, IDB_INPUT_TAB_ON},
                     {IDC_OUTPUT_TAB, IDB_OUTPUT_TAB_OFF}};
    for (const auto& p : kPictures) {
      if (!SameBitmap(dlg.ImageOf(p.nID), p.nIDBitmap)) CheckFailed(__FILE__, __LINE__, "picture", p.nID, p.nIDBitmap);
    }
    // The taskbar's title, icon and menu (minimise, and no caption bar of its own).
    char szTitle[64] = "";
    ::GetWindowTextA(dlg.m_hWnd, szTitle, sizeof szTitle);
    CHECK_STR(szTitle, "Corvane Beamset");
    CHECK_EQ(::GetWindowLongA(dlg.m_hWnd, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION),
             WS_SYSMENU | WS_MINIMIZEBOX);
    CHECK(::SendMessageA(dlg.m_hWnd, WM_GETICON, ICON_BIG, 0) != 0);
    dlg.EndDialog(IDCANCEL);
  });
}

// Out of memory for the sheet: the window still starts, without pages; the tabs, the page keys and Apply find
// nothing to do, and OK closes it having written nothing.
GUI_TEST(SheetThatCannotBeAllocatedLeavesAWindowThatStartsAndCloses) {
  FailNextAllocation(sizeof(COpticalPropSheet));
  ModalLog log = {};
  const int nResult = RunScripted([&](CProbeDlg& dlg) {
    CHECK(!AllocationFailurePending());
    CHECK(dlg.m_pSheet == NULL);
    CHECK(::IsWindowVisible(dlg.m_hWnd));
    ClickItem(dlg.m_hWnd, IDC_OUTPUT_TAB);
    PressKey(VK_TAB, true, false);
    log = ClickAnswered(dlg, IDC_APPLY);
    ClickItem(dlg.m_hWnd, IDOK);
  });
  FailNextAllocation(0);
  CHECK_EQ(nResult, IDOK);
  CHECK_STR(log.szOrder, "");
  CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), "01000000");
  CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), "02000000");
  CHECK_STR(ValueHex("patch", "OLD_SDPIF_VALUE_IN"), "absent");
}

// Keyboard and pointer cannot reach comctl32's own buttons, and neither window erases (a known colour
// survives WM_ERASEBKGND): the bitmaps are painted over what was there, without a flash of grey.
GUI_TEST(SheetHidesItsButtonsAndNothingErases) {
  RunScripted([](CProbeDlg& dlg) {
    HWND hSheet = dlg.m_pSheet->m_hWnd;
    static const int kSheetButtons[] = {IDOK, IDCANCEL, 0x3021, IDHELP};
    for (int nID : kSheetButtons) {
      HWND h = ::GetDlgItem(hSheet, nID);
      if (h != NULL && (::IsWindowVisible(h) || ::IsWindowEnabled(h)))
        CheckFailed(__FILE__, __LINE__, "sheet button hidden", nID, 0);
    }
    HDC hdc = ::CreateCompatibleDC(NULL);
    HBITMAP hbm = ::CreateBitmap(8, 8, 1, 32, NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    const HWND kErasers[] = {dlg.m_hWnd, hSheet};
    for (HWND h : kErasers) {
      ::SetPixel(hdc, 2, 2, RGB(1, 2, 3));
      CHECK_EQ(::SendMessageA(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0), FALSE);
      CHECK_EQ(::GetPixel(hdc, 2, 2), RGB(1, 2, 3));
    }
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    dlg.EndDialog(IDCANCEL);
  });
}

// The background drags the window, also between the buttons; the controls keep their own clicks.
GUI_TEST(BackgroundDragsTheWindow) {
  RunScripted([](CProbeDlg& dlg) {
    const struct {
      HWND hWnd;
      int x, y;  // in the dialog's client area
      LRESULT nExpected;
    } kHits[] = {
        {dlg.m_hWnd, 100, 20, HTCAPTION},
        {dlg.m_hWnd, 250, 320, HTCAPTION},
        {dlg.m_hWnd, 600, 500, HTNOWHERE},
        {dlg.Item(IDOK), 250, 310, HTCLIENT},
    };
    for (const auto& h : kHits) {
      POINT pt = {h.x, h.y};
      ::ClientToScreen(dlg.m_hWnd, &pt);
      CHECK_EQ(::SendMessageA(h.hWnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), h.nExpected);
    }
    dlg.EndDialog(IDCANCEL);
  });
}

// The system menu ends with a separator and "About Beamset...", which opens the About box over the window;
// its other commands keep working.
GUI_TEST(SystemMenuOpensAboutAndStillMinimises) {
  RunScripted([](CProbeDlg& dlg) {
    HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
    const int n = ::GetMenuItemCount(hMenu);
    char sz[64] = "";
    ::GetMenuStringA(hMenu, n - 1, sz, sizeof sz, MF_BYPOSITION);
    CHECK_STR(sz, "&About Beamset...");
    CHECK(::GetMenuState(hMenu, n - 2, MF_BYPOSITION) & MF_SEPARATOR);

    ModalLog log;
    StartAnswering(dlg, &log);
    ::SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, ::GetMenuItemID(hMenu, n - 1), 0);
    StopAnswering();
    CHECK_STR(log.szOrder, "M");
    CHECK(log.hOwner == dlg.m_hWnd);

    ::SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(::IsIconic(dlg.m_hWnd));
    ::SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(!::IsIconic(dlg.m_hWnd));
    dlg.EndDialog(IDCANCEL);
  });
}
