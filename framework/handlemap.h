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
