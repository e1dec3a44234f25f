// framework/gdiobject.cpp: GDI handle ownership and the temporary wrappers SelectObject hands back.
#include "gdiobject.h"

#include "handlemap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CTypedHandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject> g_gdiMap;

}  // namespace

CGdiObject::CGdiObject() : m_hObject(NULL) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return g_gdiMap.FromHandle(hObject); }

void CGdiObject::DeleteTempMap() { g_gdiMap.DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) { return g_gdiMap.Attach(this, hObject); }

HGDIOBJ CGdiObject::Detach() { return g_gdiMap.Detach(this); }

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == NULL) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }
