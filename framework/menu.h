// framework/menu.h: CMenu, a menu handle; the programs use it on the system menu.
#pragma once

#include "object.h"

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
 public:
  CMenu();
  virtual ~CMenu();

  HMENU m_hMenu;

  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }

  static CMenu* FromHandle(HMENU hMenu);
  static void DeleteTempMap();

  BOOL Attach(HMENU hMenu);
  HMENU Detach();
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = NULL);
  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
  UINT GetMenuState(UINT nID, UINT nFlags) const;
};
