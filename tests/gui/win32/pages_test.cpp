// tests/gui/win32/pages_test.cpp: the pages show the state read on each family, show one description near a
// radio button, and draw white text over their unscaled bitmap.
#include <stdio.h>
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "machine.h"
#include "opticalregistry.h"
#include "resource.h"

namespace {

// Both pages, input first, as the sheet creates them: the output page on its first show.
template <class TFn>
void ForEachPage(CProbeDlg& dlg, TFn fn) {
  fn(ShowPage(dlg, 0), dlg.m_pSheet->m_pageIn.m_nState, dlg.m_pSheet->m_pageIn.m_nToggleCount,
     dlg.m_pSheet->m_pageIn.m_font);
  fn(ShowPage(dlg, 1), dlg.m_pSheet->m_pageOut.m_nState, dlg.m_pSheet->m_pageOut.m_nToggleCount,
     dlg.m_pSheet->m_pageOut.m_font);
}

void ExpectState(HWND hPage, int nState, int nExpected, int nLine) {
  static const int kRadios[] = {0, IDC_ENABLED, IDC_DISABLED};
  if (nState != nExpected) CheckFailed(__FILE__, nLine, "m_nState", nState, nExpected);
  if (CheckedRadio(hPage) != kRadios[nExpected + 1])
    CheckFailed(__FILE__, nLine, "checked radio", CheckedRadio(hPage), kRadios[nExpected + 1]);
}

struct StateCase {
  const char* pszInput;   // NT: SPDIFEnableInput, "-" for no driver key; 95: "1" muted, "0" not, "-" no card
  const char* pszOutput;  // SPDIFOutputSource (NT) or SourceSelection (95); null: none
  int nInput, nOutput;    // the pages' m_nState
};
void RunStateCases(const StateCase* pCases, int nCases, bool b9x) {
  for (int i = 0; i < nCases; ++i) {
    const StateCase& c = pCases[i];
    ResetMachine();
    if (b9x) {
      SetOpticalMute(strcmp(c.pszInput, "1") == 0);
      if (strcmp(c.pszInput, "-") == 0) SetCardNames("");
      SetValueHex("cpl", kValueSourceSelection, c.pszOutput);
    } else if (strcmp(c.pszInput, "-") == 0) {
      DeleteKeyOf("drv");
    } else {
      SetValueHex("drv", kValueEnableInput, c.pszInput);
      SetValueHex("drv", kValueOutputSource, c.pszOutput);
    }
    int nBefore = CheckFailures();
    RunScripted([&](CProbeDlg& dlg) {
      CHECK(dlg.m_pSheet->m_pageOut.m_hWnd == NULL);  // read when first shown, not before
      int nPage = 0;
      ForEachPage(dlg, [&](CPropertyPage& page, int& nState, int& nToggles, CFont&) {
        ExpectState(page.m_hWnd, nState, nPage++ == 0 ? c.nInput : c.nOutput, __LINE__);
        CHECK_EQ(nToggles, 0);
      });
      dlg.EndDialog(IDCANCEL);
    });
    if (CheckFailures() != nBefore) printf("  in case %d (%s, %s)\n", i, c.pszInput, c.pszOutput);
  }
}

// Client-pixel rectangle of a page's control, found independently of the page's own reckoning.
RECT ItemRect(HWND hPage, int nID) {
  RECT rc;
  ::GetWindowRect(::GetDlgItem(hPage, nID), &rc);
  ::MapWindowPoints(NULL, hPage, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

void CheckHoverZones(CProbeDlg& dlg) {
  ForEachPage(dlg, [](CPropertyPage& page, int&, int&, CFont&) {
    HWND hPage = page.m_hWnd;
    const RECT e = ItemRect(hPage, IDC_ENABLED), d = ItemRect(hPage, IDC_DISABLED);
    const int xe = (e.left + e.right) / 2, ye = (e.top + e.bottom) / 2;
    CHECK(d.top - 10 <= e.bottom + 5);  // the zones overlap, which the table relies on
    // The description shown at each point, 0 for none: Enabled's zone to its four bounds included (its
    // bottom one in the overlap, where it wins), Disabled's to its bottom one, then beyond it.
    const int kE = IDC_DESC_ENABLED, kD = IDC_DESC_DISABLED;
    const struct {
      int x, y, nShown;
    } kPoints[] = {{e.left - 10, ye, kE},   {xe, e.top - 10, kE},   {e.right, ye, kE},
                   {xe, e.bottom + 5, kE}, {xe, d.bottom + 5, kD}, {xe, d.bottom + 6, 0}};
    for (const auto& p : kPoints) {
      ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
      const bool bEnabledShown = ::IsWindowVisible(::GetDlgItem(hPage, IDC_DESC_ENABLED)) != FALSE;
      const bool bDisabledShown = ::IsWindowVisible(::GetDlgItem(hPage, IDC_DESC_DISABLED)) != FALSE;
      const int nShown = bEnabledShown ? IDC_DESC_ENABLED : bDisabledShown ? IDC_DESC_DISABLED : 0;
      if (nShown != p.nShown || (bEnabledShown && bDisabledShown)) {
        char sz[64];
        snprintf(sz, sizeof sz, "description at (%d, %d)", p.x, p.y);
        CheckFailed(__FILE__, __LINE__, sz, bEnabledShown * 1003 + bDisabledShown * 1004, p.nShown);
      }
    }
  });
  dlg.EndDialog(IDCANCEL);
}

void CheckTextsFontAndColours(CProbeDlg& dlg) {
  // Two spaces after the first sentence; each page names the other direction.
  static const char* const kDisabledTexts[] = {"May provide performance increase.  Does not affect optical output.",
                                               "May provide performance increase.  Does not affect optical input."};
  int nPage = 0;
  ForEachPage(dlg, [&](CPropertyPage& page, int&, int&, CFont& font) {
    HWND hPage = page.m_hWnd;
    char sz[128] = "";
    ::GetDlgItemTextA(hPage, IDC_DESC_DISABLED, sz, sizeof sz);
    if (strcmp(sz, kDisabledTexts[nPage]) != 0) CheckFailedText(__FILE__, __LINE__, "text", sz, kDisabledTexts[nPage]);
    ++nPage;

    // 11-point Arial at the display's resolution, on the five texts.
    LOGFONTA lf = {};
    CHECK(font.GetObject(sizeof lf, &lf) == sizeof lf);
    HDC hdcPage = ::GetDC(hPage);
    CHECK_EQ(lf.lfHeight, -::MulDiv(11, ::GetDeviceCaps(hdcPage, LOGPIXELSY), 72));
    ::ReleaseDC(hPage, hdcPage);
    CHECK_EQ(lf.lfWeight, FW_NORMAL);
    CHECK_EQ(lf.lfCharSet, ANSI_CHARSET);
    CHECK(strcmp(lf.lfFaceName, "Arial") == 0);
    static const int kFontIDs[] = {IDC_DESC_ENABLED, IDC_DESC_DISABLED, IDC_ENABLED, IDC_DISABLED, IDC_HEADING};
    for (int nID : kFontIDs) CHECK(::SendDlgItemMessageA(hPage, nID, WM_GETFONT, 0, 0) == (LRESULT)font.m_hObject);

    // Statics and radio buttons: no background fill; white text for whatever asks as a static.
    HBRUSH hbrHollow = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    const struct {
      UINT message;
      HWND hCtl;
      bool bHollow, bWhite;
    } kAsks[] = {{WM_CTLCOLORSTATIC, ::GetDlgItem(hPage, IDC_DESC_DISABLED), true, true},
                 {WM_CTLCOLORSTATIC, ::GetDlgItem(hPage, IDC_ENABLED), true, true},
                 {WM_CTLCOLORBTN, ::GetDlgItem(hPage, IDC_DISABLED), true, false},
                 {WM_CTLCOLORDLG, hPage, false, false}};
    HDC hdc = ::CreateCompatibleDC(NULL);
    for (const auto& a : kAsks) {
      ::SetBkMode(hdc, OPAQUE);
      ::SetTextColor(hdc, RGB(1, 2, 3));
      HBRUSH hbr = reinterpret_cast<HBRUSH>(
          ::SendMessageA(hPage, a.message, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(a.hCtl)));
      CHECK_EQ(hbr == hbrHollow, a.bHollow);
      CHECK_EQ(::GetBkMode(hdc), a.bHollow ? TRANSPARENT : OPAQUE);
      CHECK_EQ(::GetTextColor(hdc) == RGB(255, 255, 255), a.bWhite);  // otherwise the base's colour
    }
    ::DeleteDC(hdc);
  });
  dlg.EndDialog(IDCANCEL);
}

// The page's pixels where nothing is drawn over the bitmap equal the bitmap's own.
void CheckBitmapUnscaled(CProbeDlg& dlg) {
  HWND hPage = dlg.m_pSheet->m_pageIn.m_hWnd;
  HDC hdcBitmap = ::CreateCompatibleDC(NULL);
  HBITMAP hbm = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_PAGE_BACKGROUND));
  HGDIOBJ hOld = ::SelectObject(hdcBitmap, hbm);
  static const POINT kPixels[] = {{2, 2}, {250, 110}, {299, 40}, {400, 150}, {487, 199}};  // beside the texts
  ::RedrawWindow(hPage, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC hdcPage = ::GetDC(hPage);
  for (const POINT& pt : kPixels) {
    COLORREF got = ::GetPixel(hdcPage, pt.x, pt.y), want = ::GetPixel(hdcBitmap, pt.x, pt.y);
    if (got != want) {
      char sz[64];
      snprintf(sz, sizeof sz, "pixel (%ld, %ld)", pt.x, pt.y);
      CheckFailed(__FILE__, __LINE__, sz, static_cast<long>(got), static_cast<long>(want));
    }
  }
  ::ReleaseDC(hPage, hdcPage);
  ::SelectObject(hdcBitmap, hOld);
  ::DeleteObject(hbm);
  ::DeleteDC(hdcBitmap);
  dlg.EndDialog(IDCANCEL);
}

// A family that switches nothing: no radio checked, -1 kept; a click sets the state, counted as any first
// choice, and Apply neither writes nor prompts.
void ShowNoState(CProbeDlg& dlg) {
  ForEachPage(dlg, [](CPropertyPage& page, int& nState, int& nToggles, CFont&) {
    ExpectState(page.m_hWnd, nState, -1, __LINE__);
    ClickItem(page.m_hWnd, IDC_DISABLED);
    ExpectState(page.m_hWnd, nState, 1, __LINE__);
    CHECK_EQ(nToggles, 1);
  });
  ModalLog log;
  StartAnswering(dlg, &log);
  ::SendMessageA(dlg.Item(IDC_APPLY), BM_CLICK, 0, 0);
  StopAnswering();
  CHECK_EQ(log.nPrompts + log.nMessages, 0);
  dlg.EndDialog(IDCANCEL);
}

}  // namespace

GUI_TEST(PagesShowTheStateReadOnNt) {
  // Only the first byte counts: 0 is off whatever follows, 255 is on; a missing value reads as off; without
  // the driver's key nothing is read and no choice shows.
  static const StateCase kCases[] = {
      {"00112233", "02000000", 1, 0}, {"01000000", "00000000", 0, 1}, {"FF", NULL, 0, 1}, {"-", NULL, -1, -1}};
  RunStateCases(kCases, 4, false);
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, PagesShowTheStateReadOn98) {
  // The output is off at 0 and at 255; the input is off when the card's optical line is muted, and shows
  // no choice without the card's mixer.
  static const StateCase kCases[] = {{"0", "00000000", 0, 1},
                                     {"1", "FF000000", 1, 1},
                                     {"1", "01000000", 1, 0},
                                     {"0", "FE000000", 0, 0},
                                     {"-", "02000000", -1, 0}};
  RunStateCases(kCases, 5, true);
}

GUI_TEST_ON(0, NoStateShownAndNothingWrittenWhereNothingIsSwitched) {
  RunScripted(ShowNoState);
  CHECK_VALUE("drv", "SPDIFEnableInput", "01000000");
  CHECK_VALUE("drv", "SPDIFOutputSource", "02000000");
  CHECK_VALUE("cpl", "SourceSelection", "02000000");
  HKEY hKey = NULL;
  CHECK(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPatchKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS);
}

GUI_TEST(HoverShowsOneDescriptionByZone) { RunScripted(CheckHoverZones); }

GUI_TEST(PagesDrawWhiteArialTextWithoutBackground) { RunScripted(CheckTextsFontAndColours); }

GUI_TEST(PageBitmapIsCopiedUnscaled) { RunScripted(CheckBitmapUnscaled); }
