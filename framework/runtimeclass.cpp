// framework/runtimeclass.cpp: run-time class queries and creation by class descriptor.
#include "runtimeclass.h"

#include "object.h"

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject != NULL ? m_pfnCreateObject() : NULL; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* p = this; p != NULL; p = p->m_pBaseClass) {
    if (p == pBaseClass) return TRUE;
  }
  return FALSE;
}
