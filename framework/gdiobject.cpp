// framework/gdiobject.cpp: GDI handle ownership and the temporary wrappers SelectObject hands back.
#include "gdiobject.h"

#include "handlemap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CObject* NewTempGdiObject(HANDLE h) {
  CGdiObject* p = new CGdiObject;
  if (p != NULL) p->m_hObject = h;
  return p;
}

void DeleteTempGdiObject(CObject* pObject) {
  CGdiObject* p = static_cast<CGdiObject*>(pObject);
  p->m_hObject = NULL;  // a temporary wrapper never owns its handle
  delete p;
}

CHandleMap g_gdiMap(NewTempGdiObject, DeleteTempGdiObject);

}  // namespace

CGdiObject::CGdiObject() : m_hObject(NULL) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return static_cast<CGdiObject*>(g_gdiMap.FromHandle(hObject)); }

void CGdiObject::DeleteTempMap() { g_gdiMap.DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == NULL || m_hObject != NULL) return FALSE;
  m_hObject = hObject;
  g_gdiMap.SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject != NULL) g_gdiMap.RemoveHandle(hObject);
  m_hObject = NULL;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == NULL) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }
