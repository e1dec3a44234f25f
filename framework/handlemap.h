// framework/handlemap.h: CHandleMap, from Windows handles to the framework objects wrapping them.
#pragma once

#include <windows.h>

class CObject;

// Permanent entries belong to objects that attached a handle; temporary ones are wrappers made on
// demand by FromHandle and deleted by DeleteTemp when no caller can still hold them.
class CHandleMap {
 public:
  typedef CObject* (*PFN_NEWTEMP)(HANDLE h);
  typedef void (*PFN_DELETETEMP)(CObject* pObject);

  constexpr CHandleMap(PFN_NEWTEMP pfnNewTemp, PFN_DELETETEMP pfnDeleteTemp)
      : m_pfnNewTemp(pfnNewTemp), m_pfnDeleteTemp(pfnDeleteTemp), m_permanent(), m_temporary() {}

  CObject* FromHandle(HANDLE h);
  CObject* LookupPermanent(HANDLE h) const;
  CObject* LookupTemporary(HANDLE h) const;
  BOOL SetPermanent(HANDLE h, CObject* pObject);
  void RemoveHandle(HANDLE h);
  void DeleteTemp();

 private:
  struct Entry {
    HANDLE h;
    CObject* pObject;
  };
  struct Table {
    Entry* pEntries;
    int nCount;
    int nCapacity;
    CObject* Lookup(HANDLE h) const;
    BOOL Add(HANDLE h, CObject* pObject);
    BOOL Remove(HANDLE h);
  };

  PFN_NEWTEMP m_pfnNewTemp;
  PFN_DELETETEMP m_pfnDeleteTemp;
  Table m_permanent;
  Table m_temporary;
};

// The handle map of one wrapper class T, which keeps its handle of type H in the member pm.
// Temporary wrappers borrow their handle: deleting one never destroys what it wraps.
template <class T, class H, H T::*pm>
class CTypedHandleMap : public CHandleMap {
 public:
  constexpr CTypedHandleMap() : CHandleMap(NewTempObject, DeleteTempObject) {}

  T* FromHandle(H h) { return static_cast<T*>(CHandleMap::FromHandle(h)); }
  T* LookupPermanent(H h) const { return static_cast<T*>(CHandleMap::LookupPermanent(h)); }

  BOOL Attach(T* pObject, H h) {
    if (h == NULL || pObject->*pm != NULL || !SetPermanent(h, pObject)) return FALSE;
    pObject->*pm = h;
    return TRUE;
  }
  H Detach(T* pObject) {
    H h = pObject->*pm;
    if (h != NULL) RemoveHandle(h);
    pObject->*pm = NULL;
    return h;
  }

 private:
  static CObject* NewTempObject(HANDLE h) {
    T* pObject = new T;
    if (pObject != NULL) pObject->*pm = static_cast<H>(h);
    return pObject;
  }
  static void DeleteTempObject(CObject* pObject) {
    T* p = static_cast<T*>(pObject);
    p->*pm = NULL;
    delete p;
  }
};
