// framework/gdiobject.h: CGdiObject, the owner of one GDI handle, deleted with the object.
#pragma once

#include "object.h"

class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
 public:
  CGdiObject();
  virtual ~CGdiObject();

  HGDIOBJ m_hObject;

  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  static CGdiObject* FromHandle(HGDIOBJ hObject);
  static void DeleteTempMap();

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const;
};
