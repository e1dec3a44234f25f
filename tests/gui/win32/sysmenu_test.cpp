// tests/gui/win32/sysmenu_test.cpp: the About item and its separator join the system menu only when
// string 101 loads with text.
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "resource.h"
#include "resvariant.h"

namespace {

int g_nItems = 0;
bool g_bHasAbout = false;
bool g_bEndsWithSeparator = false;

void ReadSystemMenu(CProbeDlg& dlg) {
  HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
  g_nItems = ::GetMenuItemCount(hMenu);
  g_bHasAbout = ::GetMenuState(hMenu, IDM_ABOUTBOX, MF_BYCOMMAND) != static_cast<UINT>(-1);
  g_bEndsWithSeparator = (::GetMenuState(hMenu, g_nItems - 1, MF_BYPOSITION) & MF_SEPARATOR) != 0;
  dlg.EndDialog(IDCANCEL);
}

// The system menu as the dialog leaves it, with resources from hResources.
void RunWith(HINSTANCE hResources) {
  HINSTANCE hSaved = AfxGetResourceHandle();
  AfxSetResourceHandle(hResources);
  {
    CProbeDlg dlg;
    RunScripted(dlg, ReadSystemMenu);
  }
  AfxSetResourceHandle(hSaved);
}

}  // namespace

GUI_TEST(AboutItemOnlyWithNonEmptyString) {
  RunWith(AfxGetInstanceHandle());
  CHECK(g_bHasAbout);
  int nWithAbout = g_nItems;

  static const struct {
    const char* pszName;
    const char* pszText;
  } kVariants[] = {{"beamset-no-about", NULL}, {"beamset-empty-about", ""}};
  for (const auto& v : kVariants) {
    HMODULE hVariant = LoadResourceVariant(v.pszName, v.pszText);
    CHECK(hVariant != NULL);
    if (hVariant == NULL) continue;
    char sz[8] = "x";
    CHECK_EQ(::LoadStringA(hVariant, IDS_ABOUTBOX, sz, sizeof sz), 0);
    RunWith(hVariant);
    CHECK(!g_bHasAbout);
    CHECK(!g_bEndsWithSeparator);
    CHECK_EQ(g_nItems, nWithAbout - 2);
    FreeResourceVariant(hVariant, v.pszName);
  }
}
