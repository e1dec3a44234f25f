// tests/gui/win32/window_test.cpp: the main window's start-up state, the embedded sheet, dragging by the
// background and the system menu.
#include <stdio.h>

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

// At any DPI and dialog font (run-gui-tests.sh runs every test at several) each window stands on the pixels of the
// skin it was drawn for, those of 96 DPI with MS Sans Serif, in the dialog's client area: the dialog, its controls,
// the sheet, and each page with its controls; the output page, made when first shown, where the tab control put it.
GUI_TEST(EveryWindowStandsAtIts96DpiPixels) {
  RunScripted([](CProbeDlg& dlg) {
    RECT rcUnits = {0, 0, 4, 8};
    ::MapDialogRect(dlg.m_hWnd, &rcUnits);
    HDC hdc = ::GetDC(NULL);
    printf("# %d DPI, dialog units %ldx%ld\n", ::GetDeviceCaps(hdc, LOGPIXELSY), rcUnits.right, rcUnits.bottom);
    ::ReleaseDC(NULL, hdc);
    ShowPage(dlg, 1);
    const HWND kParents[] = {dlg.m_hWnd, dlg.m_pSheet->m_hWnd, dlg.m_pSheet->m_pageIn.m_hWnd,
                             dlg.m_pSheet->m_pageOut.m_hWnd};
    static const struct {
      int nParent, nID;  // ID 0: the parent itself
      RECT rc;
    } kWindows[] = {{0, 0, {0, 0, 500, 338}},
                    {0, IDC_INPUT_TAB, {9, 67, 84, 85}},
                    {0, IDC_OUTPUT_TAB, {87, 67, 162, 85}},
                    {0, IDOK, {216, 302, 291, 322}},
                    {0, IDCANCEL, {315, 302, 390, 322}},
                    {0, IDC_APPLY, {414, 302, 489, 322}},
                    {0, IDC_CLOSE, {482, 0, 499, 19}},
                    {1, 0, {-4, 60, 516, 436}},
                    {2, 0, {6, 89, 506, 425}},
                    {2, IDC_ENABLED, {44, 144, 137, 160}},
                    {2, IDC_DISABLED, {44, 170, 137, 186}},
                    {2, IDC_HEADING, {140, 100, 334, 121}},
                    {2, IDC_DESC_ENABLED, {17, 214, 496, 234}},
                    {2, IDC_DESC_DISABLED, {17, 214, 467, 234}},
                    {3, 0, {6, 89, 506, 425}},
                    {3, IDC_ENABLED, {44, 144, 137, 160}},
                    {3, IDC_DISABLED, {44, 170, 137, 186}},
                    {3, IDC_HEADING, {141, 100, 345, 121}},
                    {3, IDC_DESC_ENABLED, {17, 214, 496, 234}},
                    {3, IDC_DESC_DISABLED, {17, 214, 496, 234}}};
    for (const auto& w : kWindows) {
      HWND hWnd = w.nID == 0 ? kParents[w.nParent] : ::GetDlgItem(kParents[w.nParent], w.nID);
      RECT rc = {};
      ::GetWindowRect(hWnd, &rc);
      ::MapWindowPoints(NULL, dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
      char sz[2][48];
      const RECT* const pRects[] = {&rc, &w.rc};
      for (int i = 0; i < 2; ++i) {
        snprintf(sz[i], sizeof sz[i], "window %d of %d at %ld,%ld-%ld,%ld", w.nID, w.nParent, pRects[i]->left,
                 pRects[i]->top, pRects[i]->right, pRects[i]->bottom);
      }
      CHECK_STR(sz[0], sz[1]);
    }
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

namespace {

// Some comctl32 versions give the sheet's callback a read-only template, their own resource; Windows 95 may
// refuse to change its protection (shared memory).
INT_PTR(WINAPI* g_pfnPropertySheet)(LPCPROPSHEETHEADERA) = NULL;
BOOL(WINAPI* g_pfnVirtualProtect)(LPVOID, SIZE_T, DWORD, PDWORD) = NULL;
const BYTE* g_pRefusedPage = NULL;
DWORD g_dwTemplateStyles[4][3];  // classic and extended template, then both refused: style, ex-style, protection

BOOL WINAPI RefusingVirtualProtect(LPVOID p, SIZE_T cb, DWORD dwProtect, PDWORD pdwOld) {
  if (static_cast<const BYTE*>(p) >= g_pRefusedPage && static_cast<const BYTE*>(p) < g_pRefusedPage + 4096) return FALSE;
  return g_pfnVirtualProtect(p, cb, dwProtect, pdwOld);
}

INT_PTR WINAPI ReadOnlyTemplateSheet(LPCPROPSHEETHEADERA pHeader) {
  for (int nCase = 0; nCase < 4; ++nCase) {
    const int nForm = nCase % 2;
    BYTE* p = static_cast<BYTE*>(::VirtualAlloc(NULL, 4096, MEM_COMMIT, PAGE_READWRITE));
    DWORD* pStyles = reinterpret_cast<DWORD*>(p + (nForm == 0 ? 0 : 8));  // DLGTEMPLATE, or DLGTEMPLATEEX's head
    if (nForm == 1) reinterpret_cast<WORD*>(p)[1] = 0xFFFF;
    pStyles[nForm] = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    DWORD dwProtect = 0;
    ::VirtualProtect(p, 4096, PAGE_READONLY, &dwProtect);
    g_pRefusedPage = nCase >= 2 ? p : NULL;
    pHeader->pfnCallback(NULL, PSCB_PRECREATE, reinterpret_cast<LPARAM>(p));
    g_pRefusedPage = NULL;
    MEMORY_BASIC_INFORMATION info;
    ::VirtualQuery(p, &info, sizeof info);
    g_dwTemplateStyles[nCase][0] = pStyles[nForm];
    g_dwTemplateStyles[nCase][1] = pStyles[1 - nForm];
    g_dwTemplateStyles[nCase][2] = info.Protect;
    ::VirtualFree(p, 0, MEM_RELEASE);
  }
  return g_pfnPropertySheet(pHeader);
}

}  // namespace

// The embedded sheet gets its child styles from either form of template, even a read-only one, which keeps
// its protection; where the protection cannot change, a read-only template is left as it is, without a fault.
GUI_TEST(SheetStylesTheTemplateEvenWhenItIsReadOnly) {
  g_pfnPropertySheet = reinterpret_cast<INT_PTR(WINAPI*)(LPCPROPSHEETHEADERA)>(
      HookImport("PropertySheetA", reinterpret_cast<void*>(ReadOnlyTemplateSheet)));
  g_pfnVirtualProtect = reinterpret_cast<BOOL(WINAPI*)(LPVOID, SIZE_T, DWORD, PDWORD)>(
      HookImport("VirtualProtect", reinterpret_cast<void*>(RefusingVirtualProtect)));
  RunScripted([](CProbeDlg& dlg) { dlg.EndDialog(IDCANCEL); });
  HookImport("PropertySheetA", reinterpret_cast<void*>(g_pfnPropertySheet));
  HookImport("VirtualProtect", reinterpret_cast<void*>(g_pfnVirtualProtect));
  for (int nCase = 0; nCase < 4; ++nCase) {
    const DWORD* pGot = g_dwTemplateStyles[nCase];
    const bool bRefused = nCase >= 2;
    CHECK_EQ(pGot[0], bRefused ? WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT
                               : WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | DS_CONTROL | DS_3DLOOK | DS_SETFONT);
    CHECK_EQ(pGot[1], bRefused ? 0 : WS_EX_CONTROLPARENT);
    CHECK_EQ(pGot[2], PAGE_READONLY);
  }
}
