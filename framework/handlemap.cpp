// framework/handlemap.cpp: handle maps as small unsorted tables; a program holds a few dozen handles.
#include "handlemap.h"

#include <stdlib.h>

CObject* CHandleMap::Table::Lookup(HANDLE h) const {
  for (int i = 0; i < nCount; ++i) {
    if (pEntries[i].h == h) return pEntries[i].pObject;
  }
  return NULL;
}

BOOL CHandleMap::Table::Add(HANDLE h, CObject* pObject) {
  if (nCount == nCapacity) {
    int nNew = nCapacity == 0 ? 16 : nCapacity * 2;
    Entry* p = static_cast<Entry*>(realloc(pEntries, sizeof(Entry) * static_cast<size_t>(nNew)));
    if (p == NULL) return FALSE;
    pEntries = p;
    nCapacity = nNew;
  }
  pEntries[nCount].h = h;
  pEntries[nCount].pObject = pObject;
  ++nCount;
  return TRUE;
}

BOOL CHandleMap::Table::Remove(HANDLE h) {
  for (int i = 0; i < nCount; ++i) {
    if (pEntries[i].h == h) {
      pEntries[i] = pEntries[--nCount];
      return TRUE;
    }
  }
  return FALSE;
}

CObject* CHandleMap::FromHandle(HANDLE h) {
  if (h == NULL) return NULL;
  CObject* pObject = m_permanent.Lookup(h);
  if (pObject == NULL) pObject = m_temporary.Lookup(h);
  if (pObject != NULL) return pObject;
  pObject = m_pfnNewTemp(h);
  if (pObject != NULL && !m_temporary.Add(h, pObject)) {
    m_pfnDeleteTemp(pObject);
    pObject = NULL;
  }
  return pObject;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const { return m_permanent.Lookup(h); }

CObject* CHandleMap::LookupTemporary(HANDLE h) const { return m_temporary.Lookup(h); }

BOOL CHandleMap::SetPermanent(HANDLE h, CObject* pObject) {
  m_permanent.Remove(h);
  return m_permanent.Add(h, pObject);
}

void CHandleMap::RemoveHandle(HANDLE h) {
  m_permanent.Remove(h);
  m_temporary.Remove(h);
}

void CHandleMap::DeleteTemp() {
  // Deleting a wrapper must not touch the table while it is walked.
  while (m_temporary.nCount > 0) {
    Entry e = m_temporary.pEntries[--m_temporary.nCount];
    m_pfnDeleteTemp(e.pObject);
  }
}
