// tests/gui/win32/leak_test.cpp: repainting, hovering over the pages and switching them leave GDI objects and
// windows where they were.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"

namespace {

// Wine's GetGuiResources answers 0: every 16-bit handle value is probed instead.
int CountGdiObjects() {
  int n = 0;
  for (ULONG_PTR i = 1; i <= 0xFFFF; ++i) n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return n;
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

// This thread's windows and all their descendants.
BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  ::EnumChildWindows(hWnd, CountChild, lParam);
  return TRUE;
}

int CountWindows() {
  int n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&n));
  return n;
}

void Settle() {
  Pump();
  AfxGetThread()->OnIdle(0);  // drop the temporary wrappers, as the idle loop would
}

// The pointer through both descriptions' zones and out again, each change painted.
void SweepPointer(HWND hPage) {
  static const POINT kSweep[] = {{40, 60}, {40, 85}, {400, 150}};
  for (const POINT& pt : kSweep) {
    ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ::UpdateWindow(hPage);
  }
}

}  // namespace

// A leak of one object per paint or switch shows as a growth of 20 or more.
GUI_TEST(RepaintsHoversAndPageSwitchesLeakNothing) {
  RunScripted([](CProbeDlg& dlg) {
    // Both pages exist and have shown their descriptions before the baseline: first times are no leak.
    SweepPointer(ShowPage(dlg, 1).m_hWnd);
    SweepPointer(ShowPage(dlg, 0).m_hWnd);
    Settle();
    const int nGdi = CountGdiObjects();
    const int nWindows = CountWindows();
    // Each repaint of the dialog repaints the shown page with it.
    for (int i = 0; i < 20; ++i) {
      ::RedrawWindow(dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      SweepPointer(dlg.m_pSheet->GetActivePage()->m_hWnd);
      ClickItem(dlg.m_hWnd, i % 2 == 0 ? IDC_OUTPUT_TAB : IDC_INPUT_TAB);
      ::UpdateWindow(dlg.m_hWnd);
    }
    Settle();
    CHECK_EQ(CountGdiObjects() - nGdi, 0);
    CHECK_EQ(CountWindows() - nWindows, 0);
    dlg.EndDialog(IDCANCEL);
  });
}
