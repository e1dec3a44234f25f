// tests/gui/win32/pages_test.cpp: the pages show the state read on each family, show one description near a
// radio button, and draw white text without a background.
#include <stdio.h>

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
  ShowPage(dlg, 0);
  fn(dlg.m_pSheet->m_pageIn, 0);
  ShowPage(dlg, 1);
  fn(dlg.m_pSheet->m_pageOut, 1);
}

// The decoding of each value is the unit tests'; here each page shows either choice, or none.
struct StateCase {
  const char* pszInput;   // NT: SPDIFEnableInput, "-" for no driver key; 95: "1" muted, "0" not, "-" no card
  const char* pszOutput;  // SPDIFOutputSource (NT) or SourceSelection (95); null: none
  int nChecked[2];        // the radio button checked on each page, 0 for none
};

void RunStateCases(const StateCase* pCases, int nCases, bool b9x) {
  for (int i = 0; i < nCases; ++i) {
    const StateCase& c = pCases[i];
    ResetMachine();
    if (b9x) {
      SetOpticalMute(c.pszInput[0] == '1');
      if (c.pszInput[0] == '-') ConnectCard(false);
      SetValueHex("cpl", kValueSourceSelection, c.pszOutput);
    } else if (c.pszInput[0] == '-') {
      DeleteKeyOf("drv");
    } else {
      SetValueHex("drv", kValueEnableInput, c.pszInput);
      SetValueHex("drv", kValueOutputSource, c.pszOutput);
    }
    const int nBefore = CheckFailures();
    // OK over choices already so, or none: nothing to say, to write or to create.
    CHECK_EQ(RunScripted([&](CProbeDlg& dlg) {
               ForEachPage(dlg, [&](CPropertyPage& p, int n) { CHECK_EQ(CheckedRadio(p.m_hWnd), c.nChecked[n]); });
               const ModalLog log = ClickAnswered(dlg, IDOK);
               CHECK_STR(log.szOrder, "");
               if (dlg.ContinueModal()) dlg.EndDialog(IDCANCEL);
             }),
             IDOK);
    if (c.nChecked[0] == 0 && c.nChecked[1] == 0) CHECK(!KeyPresent("patch"));
    if (CheckFailures() != nBefore) printf("  in case %d (%s, %s)\n", i, c.pszInput, c.pszOutput);
  }
}

}  // namespace

GUI_TEST(PagesShowTheStateReadOnNt) {
  static const StateCase kCases[] = {{"00112233", "02000000", {IDC_DISABLED, IDC_ENABLED}},
                                     {"01000000", NULL, {IDC_ENABLED, IDC_DISABLED}},
                                     {"-", NULL, {0, 0}}};
  RunStateCases(kCases, 3, false);
}

GUI_TEST_ON(VER_PLATFORM_WIN32_WINDOWS, PagesShowTheStateReadOn98) {
  static const StateCase kCases[] = {{"0", "FF000000", {IDC_ENABLED, IDC_DISABLED}},
                                     {"1", "01000000", {IDC_DISABLED, IDC_ENABLED}},
                                     {"-", "02000000", {0, IDC_ENABLED}}};
  RunStateCases(kCases, 3, true);
}

// A family that switches nothing: no radio checked, and a choice made there is neither written nor prompted for.
GUI_TEST_ON(0, NoStateShownAndNothingWrittenWhereNothingIsSwitched) {
  RunScripted([](CProbeDlg& dlg) {
    ForEachPage(dlg, [](CPropertyPage& page, int) {
      CHECK_EQ(CheckedRadio(page.m_hWnd), 0);
      ClickItem(page.m_hWnd, IDC_DISABLED);
    });
    const ModalLog log = ClickAnswered(dlg, IDC_APPLY);
    CHECK_STR(log.szOrder, "");
    dlg.EndDialog(IDCANCEL);
  });
  CHECK_STR(ValueHex("drv", "SPDIFEnableInput"), "01000000");
  CHECK_STR(ValueHex("drv", "SPDIFOutputSource"), "02000000");
  CHECK_STR(ValueHex("cpl", "SourceSelection"), "02000000");
  CHECK(!KeyPresent("patch"));
}

// Each description appears only inside its radio button's zone: widened 10 pixels left and up and 5 down, its
// bounds included; where the zones overlap, Enabled's wins.
GUI_TEST(HoverShowsOneDescriptionByZone) {
  RunScripted([](CProbeDlg& dlg) {
    ForEachPage(dlg, [](CPropertyPage& page, int) {
      HWND hPage = page.m_hWnd;
      RECT e, d;
      ::GetWindowRect(::GetDlgItem(hPage, IDC_ENABLED), &e);
      ::GetWindowRect(::GetDlgItem(hPage, IDC_DISABLED), &d);
      ::MapWindowPoints(NULL, hPage, reinterpret_cast<POINT*>(&e), 2);
      ::MapWindowPoints(NULL, hPage, reinterpret_cast<POINT*>(&d), 2);
      const int xe = (e.left + e.right) / 2, ye = (e.top + e.bottom) / 2;
      CHECK(d.top - 10 <= e.bottom + 5);  // the zones overlap, which the table relies on
      const int kE = IDC_DESC_ENABLED, kD = IDC_DESC_DISABLED;
      const struct {
        int x, y, nShown;
      } kPoints[] = {{e.left - 10, ye, kE},  {xe, e.top - 10, kE},   {e.right, ye, kE},
                     {xe, e.bottom + 5, kE}, {xe, d.bottom + 5, kD}, {xe, d.bottom + 6, 0}};
      for (const auto& p : kPoints) {
        ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        const bool bEnabledShown = ::IsWindowVisible(::GetDlgItem(hPage, kE)) != FALSE;
        const bool bDisabledShown = ::IsWindowVisible(::GetDlgItem(hPage, kD)) != FALSE;
        const int nShown = bEnabledShown && bDisabledShown ? -1 : bEnabledShown ? kE : bDisabledShown ? kD : 0;
        if (nShown != p.nShown) {
          char sz[64];
          snprintf(sz, sizeof sz, "description at (%d, %d)", p.x, p.y);
          CheckFailed(__FILE__, __LINE__, sz, nShown, p.nShown);
        }
      }
    });
    dlg.EndDialog(IDCANCEL);
  });
}

// White Arial 15 pixels high for the five texts, each page's Disabled text naming the other direction; statics and
// radio buttons fill no background (the page's bitmap behind them is the screenshot test's).
GUI_TEST(PagesDrawWhiteArialTextWithoutBackground) {
  RunScripted([](CProbeDlg& dlg) {
    static const char* const kDisabledTexts[] = {"May provide performance increase.  Does not affect optical output.",
                                                 "May provide performance increase.  Does not affect optical input."};
    ForEachPage(dlg, [&](CPropertyPage& page, int nPage) {
      HWND hPage = page.m_hWnd;
      char sz[128] = "";
      ::GetDlgItemTextA(hPage, IDC_DESC_DISABLED, sz, sizeof sz);
      CHECK_STR(sz, kDisabledTexts[nPage]);

      HFONT hFont = reinterpret_cast<HFONT>(::SendDlgItemMessageA(hPage, IDC_HEADING, WM_GETFONT, 0, 0));
      LOGFONTA lf = {};
      ::GetObjectA(hFont, sizeof lf, &lf);
      CHECK_EQ(lf.lfHeight, -15);  // 11 points at 96 DPI, at any DPI
      CHECK_STR(lf.lfFaceName, "Arial");
      static const int kFontIDs[] = {IDC_DESC_ENABLED, IDC_DESC_DISABLED, IDC_ENABLED, IDC_DISABLED};
      for (int nID : kFontIDs) CHECK(::SendDlgItemMessageA(hPage, nID, WM_GETFONT, 0, 0) == (LRESULT)hFont);

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
  });
}
