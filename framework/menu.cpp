// framework/menu.cpp: menu wrappers; temporary ones (from GetSystemMenu) never destroy their menu.
#include "menu.h"

#include "handlemap.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

CTypedHandleMap<CMenu, HMENU, &CMenu::m_hMenu> g_menuMap;

}  // namespace

CMenu::CMenu() : m_hMenu(NULL) {}

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) { return g_menuMap.FromHandle(hMenu); }

void CMenu::DeleteTempMap() { g_menuMap.DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) { return g_menuMap.Attach(this, hMenu); }

HMENU CMenu::Detach() { return g_menuMap.Detach(this); }

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == NULL) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
  return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
