// framework/menu.cpp: menu wrappers; temporary ones (from GetSystemMenu) never destroy their menu.
#include "menu.h"

#include "handlemap.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

CObject* NewTempMenu(HANDLE h) {
  CMenu* p = new CMenu;
  if (p != NULL) p->m_hMenu = static_cast<HMENU>(h);
  return p;
}

void DeleteTempMenu(CObject* pObject) {
  CMenu* p = static_cast<CMenu*>(pObject);
  p->m_hMenu = NULL;
  delete p;
}

CHandleMap g_menuMap(NewTempMenu, DeleteTempMenu);

}  // namespace

CMenu::CMenu() : m_hMenu(NULL) {}

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) { return static_cast<CMenu*>(g_menuMap.FromHandle(hMenu)); }

void CMenu::DeleteTempMap() { g_menuMap.DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == NULL || m_hMenu != NULL) return FALSE;
  m_hMenu = hMenu;
  g_menuMap.SetPermanent(hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  if (hMenu != NULL) g_menuMap.RemoveHandle(hMenu);
  m_hMenu = NULL;
  return hMenu;
}

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
